#include "language.h"
#include "showcasewindow.h"
#include "stylesheet.h"

#include <QApplication>

#include <memory>

int main(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    auto app = std::make_unique<QApplication>(argc, argv);
    applyStyleSheetResource(*app, QStringLiteral(":/stylesheet/zevorer.qss"));
    applyInterfaceLanguage(*app);

    // Built after the theme and the translator are in place, so it comes out themed and translated.
    auto window = std::make_unique<ShowcaseWindow>();
    window->show();
    const int result = app->exec();

    window.reset();
    app.reset();
    return result;
}
