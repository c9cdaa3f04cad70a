// Linked with the program's own main.cpp: as soon as main() has constructed the application object, this arms
// a timer that, once the event loop runs, reports what main() set up and then ends the loop the way the
// environment variable ZEV_ORER_PROBE_END asks ("exit:<n>", "quit", "close" or "done:<n>").

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <cstdio>

namespace {

QWidget *shownTopLevel()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *widget : windows) {
        if (widget->isVisible())
            return widget;
    }
    return nullptr;
}

void report(QWidget *window)
{
    std::printf("highdpi=%d\n", int(QCoreApplication::testAttribute(Qt::AA_EnableHighDpiScaling)));
    std::printf("stylesheet=%d\n", int(qApp->styleSheet().size()));
    std::printf("organization=%s application=%s\n", qPrintable(QCoreApplication::organizationName()),
                qPrintable(QCoreApplication::applicationName()));
    std::printf("window=%s\n", window ? window->metaObject()->className() : "none");
    std::fflush(stdout);
}

void end(QWidget *window)
{
    const QString how = qEnvironmentVariable("ZEV_ORER_PROBE_END");
    const int value = how.section(QLatin1Char(':'), 1).toInt();
    if (how.startsWith(QLatin1String("exit:")))
        QCoreApplication::exit(value);
    else if (how == QLatin1String("quit"))
        QCoreApplication::quit();
    else if (how == QLatin1String("close") && window)
        window->close();
    else if (how.startsWith(QLatin1String("done:")) && qobject_cast<QDialog *>(window))
        static_cast<QDialog *>(window)->done(value);
    else
        QCoreApplication::exit(99);
}

void armProbe()
{
    QTimer::singleShot(0, qApp, [] {
        QWidget *window = shownTopLevel();
        report(window);
        end(window);
    });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(armProbe)
