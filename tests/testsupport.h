#ifndef ZEV_ORER_TESTSUPPORT_H
#define ZEV_ORER_TESTSUPPORT_H

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>

/// Runs @p act on the modal window once the caller has begun its modal run. Should @p act fail, the window is
/// closed, so that the run ends and the failure is reported where it happened rather than as a time-out.
inline void whenModal(const std::function<void(QWidget *)> &act)
{
    QTimer::singleShot(0, qApp, [act] {
        const QPointer<QWidget> modal = QApplication::activeModalWidget();
        const auto closeOnFailure = qScopeGuard([&modal] {
            if (QTest::currentTestFailed() && modal)
                modal->close();
        });
        QVERIFY(modal);
        act(modal);
    });
}

/// Clicks, once the caller has begun its modal run, the modal window's button whose object name or text (less
/// its '&') is @p answer.
inline void answerModal(const QString &answer)
{
    whenModal([answer](QWidget *modal) {
        const QList<QAbstractButton *> buttons = modal->findChildren<QAbstractButton *>();
        const auto named = std::find_if(buttons.begin(), buttons.end(), [&answer](QAbstractButton *button) {
            return button->objectName() == answer || button->text().remove(QLatin1Char('&')) == answer;
        });
        QVERIFY2(named != buttons.end(), qPrintable(answer));
        (*named)->click();
    });
}

#endif // ZEV_ORER_TESTSUPPORT_H
