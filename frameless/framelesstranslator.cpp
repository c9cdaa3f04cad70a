#include "framelesstranslator.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

// Outside any namespace, where Q_INIT_RESOURCE's declaration must be; referencing the pack's resource also
// links it in from a static library.
static void registerTranslationPacks()
{
    Q_INIT_RESOURCE(zevorer_frameless_translations);
}

bool installFramelessTranslator(const QLocale &locale)
{
    QCoreApplication *const app = QCoreApplication::instance();
    if (!app) {
        qWarning("installFramelessTranslator: no QCoreApplication; no translator installed");
        return false;
    }
    registerTranslationPacks();
    // Owned by the application, so it serves the toolkit's texts until the application ends.
    auto *translator = new QTranslator(app);
    if (!translator->load(locale, QStringLiteral("frameless"), QStringLiteral("_"),
                          QStringLiteral(":/zevorer/translations"))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}
