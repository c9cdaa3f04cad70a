// Runs the interface-language set-up the way the program's main() does and prints what it left behind, one
// "key=value" line each: the default locale, the installed translators (the language of each, or "empty" for
// a translator without translations) and the probe's own text as the translators give it.

#include "language.h"

#include <QApplication>
#include <QStringList>
#include <QTranslator>
#include <QtCore/private/qcoreapplication_p.h>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    applyInterfaceLanguage(app);

    // QCoreApplication lists its translators only privately; the list tells an installed empty translator
    // from none at all.
    const auto *d = static_cast<QCoreApplicationPrivate *>(QObjectPrivate::get(&app));
    QStringList translators;
    for (const QTranslator *translator : d->translators)
        translators << (translator->isEmpty() ? QStringLiteral("empty") : translator->language());

    std::printf("locale=%s\n", QLocale().name().toUtf8().constData());
    std::printf("translators=%s\n", translators.join(QLatin1Char(',')).toUtf8().constData());
    std::printf("text=%s\n", QCoreApplication::translate("LanguageProbe", "Hello").toUtf8().constData());
    return 0;
}
