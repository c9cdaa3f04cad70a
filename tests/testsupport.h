#ifndef ZEV_ORER_TESTSUPPORT_H
#define ZEV_ORER_TESTSUPPORT_H

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

#include <functional>

/// Calls @p call once an event loop gets to it, unless @p context is gone by then.
inline void later(QObject *context, const std::function<void()> &call)
{
    auto *timer = new QTimer(context);
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, context, [timer, call] {
        timer->deleteLater();
        call();
    });
    timer->start(0);
}

/// Runs @p act on the modal window once the caller has begun its modal run. Should @p act fail, the window is
/// closed, so that the run ends and the failure is reported where it happened rather than as a time-out.
inline void whenModal(const std::function<void(QWidget *)> &act)
{
    later(qApp, [act] {
        const QPointer<QWidget> modal = QApplication::activeModalWidget();
        const auto closeOnFailure = qScopeGuard([&modal] {
            if (QTest::currentTestFailed() && modal)
                modal->close();
        });
        QVERIFY(modal);
        act(modal);
    });
}

/// Clicks, once the caller has begun its modal run, the modal window's buttons named @p answers, in turn.
inline void answerModal(const QStringList &answers)
{
    whenModal([answers](QWidget *modal) {
        for (const QString &answer : answers) {
            auto *button = modal->findChild<QAbstractButton *>(answer);
            QVERIFY2(button, qPrintable(answer));
            button->click();
        }
    });
}

#endif // ZEV_ORER_TESTSUPPORT_H
