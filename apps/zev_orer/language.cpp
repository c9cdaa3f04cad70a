#include "language.h"

#include "logging.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

void applyInterfaceLanguage(QApplication &app)
{
    // The suite's main application keeps the setting here; the language is shared with it.
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Ruderu"),
                       QStringLiteral("Rezodi\\ui_front"));
    QString language = settings.value(QStringLiteral("language"), QVariant(QString())).toString();
    if (language.isEmpty()) {
        language = QLocale::system().language() == QLocale::Chinese ? QStringLiteral("Chinese")
                                                                    : QStringLiteral("English");
        settings.setValue(QStringLiteral("language"), language);
    }

    if (language == QLatin1String("Chinese")) {
        QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::system().country()));
        installTranslationPack("zh_cn.lpk", app);
    } else {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::system().country()));
        installTranslationPack("en_us.lpk", app);
    }
}

void installTranslationPack(const std::string &fileName, QApplication &app)
{
    QDir dir(QCoreApplication::applicationDirPath());
    if (!dir.cd(QStringLiteral("lang"))) {
        getLogger()->error("The directory \"lang\"  no exist!");
        return;
    }
    const QString name = QString::fromStdString(fileName);
    if (!dir.exists(name)) {
        getLogger()->error("The lang file {} no exist!", fileName);
        return;
    }
    // Installed even when the load fails, and never deleted: it serves every translated text until the
    // process ends.
    auto *translator = new QTranslator;
    translator->load(dir.absoluteFilePath(name));
    // Through the application that the caller handed in, although the installation is process-wide.
    app.installTranslator(translator); // NOLINT(readability-static-accessed-through-instance)
}
