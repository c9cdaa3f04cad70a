// Linked into a program whose start-up is measured: when the first top-level window is exposed it prints
// "shown <peak resident kB>" on stdout and ends the process's event loop.
#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <sys/resource.h>

#include <cstdio>

namespace {

class ShowWatcher : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && watched->isWindowType()) {
            rusage usage{};
            getrusage(RUSAGE_SELF, &usage);
            std::printf("shown %ld\n", usage.ru_maxrss);
            std::fflush(stdout);
            qApp->removeEventFilter(this);
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return false;
    }
};

void watchFirstWindow()
{
    qApp->installEventFilter(new ShowWatcher(qApp));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchFirstWindow)
