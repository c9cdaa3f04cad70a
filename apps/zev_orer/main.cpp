#include "stylesheet.h"

#include <QApplication>
#include <QDialog>

#include <memory>

int main(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    auto app = std::make_unique<QApplication>(argc, argv);
    applyStyleSheetResource(*app, QStringLiteral(":/stylesheet/zevorer.qss"));

    auto window = std::make_unique<QDialog>();
    window->show();
    const int result = app->exec();

    window.reset();
    app.reset();
    return result;
}
