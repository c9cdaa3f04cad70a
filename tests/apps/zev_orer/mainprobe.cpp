// Linked with the program's main.cpp: once main()'s loop runs, prints what main() set up and ends the loop as
// ZEV_ORER_PROBE_END asks ("exit:<n>", "walk", else closing the window). Line one: the high-DPI attribute,
// the sheet's length, the application's names, the window shown; line two, split by "|": the default locale,
// the translators (each one's language, or "empty") and the probe's text.

#include "testsupport.h"

#include <QtCore/private/qcoreapplication_p.h>

#include <cstdio>

namespace {

// The walk's clicks: each button that opens a window, then those that answer and close it. An action is
// triggered; a widget that is not a button stands for the one button in it.
const char walkClicks[] =
    "information_pushButton ok_pushButton question_pushButton yes_pushButton "
    "warning_pushButton save_pushButton error_pushButton retry_pushButton "
    "overlay_pushButton overlay_frame wizard_pushButton next_pushButton next_pushButton "
    "next_pushButton mainWindow_pushButton centredDialog_action close_toolButton "
    "closeButton yes_pushButton dialog_pushButton close_toolButton close_pushButton";

/// Whether each text of @p program, the latest answer too, has the room it asks for; else prints the first.
bool roomy(const QWidget *program)
{
    const QList<QWidget *> widgets = program->findChildren<QWidget *>();
    for (const QWidget *w : widgets) {
        const auto *label = qobject_cast<const QLabel *>(w);
        if (!w->isVisible() || !(label || qobject_cast<const QAbstractButton *>(w)))
            continue;
        if (label && label->wordWrap()
                ? w->height() < w->heightForWidth(w->width())
                : w->width() < w->sizeHint().width() || w->height() < w->sizeHint().height()) {
            std::printf("walk: %s has no room\n", qPrintable(w->objectName()));
            return false;
        }
    }
    return true;
}

/// Every 100 ms: the next click once its window is shown, a line each. A text without room ends the loop with
/// 2, a window not transient for its parent's with 1; a walk that finds nothing to click stalls after its
/// line.
void walk(QWidget *program)
{
    static const QStringList clicks = QString(walkClicks).split(' ');
    static int next = 0;
    if (!roomy(program)) {
        QCoreApplication::exit(2);
        return;
    }
    if (next == clicks.size())
        return;
    const QWidgetList roots = QApplication::topLevelWidgets();
    for (QWidget *root : roots) {
        auto *action = root->findChild<QAction *>(clicks[next]);
        QWidget *target = action ? action->parentWidget() : root->findChild<QWidget *>(clicks[next]);
        if (target && !action && !qobject_cast<QAbstractButton *>(target))
            target = target->findChild<QAbstractButton *>();
        const QWindow *handle = target ? target->window()->windowHandle() : nullptr;
        if (!handle || !handle->isExposed() || !target->isVisible())
            continue;
        // Later: a click that runs a modal window returns only once that window closes.
        later(target, [action, target] {
            action ? action->trigger() : static_cast<QAbstractButton *>(target)->click();
        });
        const QWidget *parent = target->window()->parentWidget();
        const QWindow *transientParent = handle->transientParent();
        std::printf("walk: %s in %s, transient for %s\n", qPrintable(clicks[next++]),
                    target->window()->metaObject()->className(),
                    transientParent ? qPrintable(transientParent->objectName()) : "none");
        if (transientParent != (parent ? parent->window()->windowHandle() : nullptr))
            QCoreApplication::exit(1);
        return;
    }
}

void reportAndEnd()
{
    QWidget *window = nullptr;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *widget : windows)
        window = widget->isVisible() ? widget : window;
    QStringList translators;
    const auto *app = static_cast<QCoreApplicationPrivate *>(QObjectPrivate::get(qApp));
    for (const QTranslator *translator : app->translators)
        translators << (translator->isEmpty() ? QString("empty") : translator->language());
    std::printf("highdpi=%d stylesheet=%d organization=%s application=%s window=%s\n%s|%s|%s\n",
                int(QCoreApplication::testAttribute(Qt::AA_EnableHighDpiScaling)),
                int(qApp->styleSheet().size()), qPrintable(QCoreApplication::organizationName()),
                qPrintable(QCoreApplication::applicationName()),
                window ? window->metaObject()->className() : "none", qPrintable(QLocale().name()),
                qPrintable(translators.join(',')),
                QCoreApplication::translate("LanguageProbe", "Hello").toUtf8().constData());
    std::fflush(stdout);
    const QString how = qEnvironmentVariable("ZEV_ORER_PROBE_END");
    if (how == "walk" && window) {
        auto *timer = new QTimer(window);
        QObject::connect(timer, &QTimer::timeout, window, [window] { walk(window); });
        timer->start(100);
    } else if (how.startsWith("exit:"))
        QCoreApplication::exit(how.midRef(5).toInt());
    else if (window)
        window->close();
}

void armProbe()
{
    later(qApp, reportAndEnd);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(armProbe)
