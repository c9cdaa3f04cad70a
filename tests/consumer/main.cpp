#include <QApplication>
#include <QLocale>
#include <QMessageBox>

#include <framelesstranslator.h>
#include <messagebox.h>
#include <registrysettingstree.h>

int main(int argc, char *argv[])
{
    // Scaled screens show the toolkit's images from their "@2x" files.
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QApplication app(argc, argv);
    app.setOrganizationName("Example");
    // The toolkit's button labels and tool tips in the user's language.
    installFramelessTranslator(QLocale());

    // Counts the runs in the user's settings.
    RegistrySettingsTree settings("consumer");
    const int runs = settings.get("runs", 0) + 1;
    settings.set("runs", std::to_string(runs));

    const int answer = VnMessageBox::error(nullptr, "Example", QString("Run %1. Try again?").arg(runs),
                                           QMessageBox::Retry | QMessageBox::Cancel, 0);
    return answer == QMessageBox::Retry ? 0 : 1;
}
