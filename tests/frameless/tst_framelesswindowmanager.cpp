// The frameless windows under openbox on Xvfb: where they open, Alt+F4 to a dialog, a real title-bar drag.
#include "dialogframelesscontainer.h"
#include "framelessdialog.h"
#include "framelessmainwindow.h"
#include "mainwindowframelesscontainer.h"
#include "testsupport.h"
#include "titlebardialog.h"
#include "windowdragger.h"

#include <QtGui/private/qhighdpiscaling_p.h>
#include <qpa/qplatformnativeinterface.h>

#include <xcb/xcb.h>

#include <memory>

namespace {

/// Where the X server has @p window, in Qt's device-independent pixels.
QRect serverGeometry(const QWidget *window)
{
    auto *connection = static_cast<xcb_connection_t *>(
        QGuiApplication::platformNativeInterface()->nativeResourceForIntegration("connection"));
    const xcb_window_t id = window->internalWinId();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const QScopedPointer<xcb_translate_coordinates_reply_t, QScopedPointerPodDeleter> origin(
        xcb_translate_coordinates_reply(connection, xcb_translate_coordinates(connection, id, root, 0, 0),
                                        nullptr));
    const QScopedPointer<xcb_get_geometry_reply_t, QScopedPointerPodDeleter> size(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id), nullptr));
    if (!origin || !size)
        return QRect();
    return QHighDpi::fromNativePixels(QRect(origin->dst_x, origin->dst_y, size->width, size->height),
                                      window->windowHandle());
}

/// Shows a new window of @p kind ("VNDialog kept" keeps centred) on @p owner once @p prepare has had it; the
/// frameless ones are sized to fit at scale 2. The window manager sees their containers: window().
std::unique_ptr<QWidget> open(const QString &kind, QWidget *owner,
                              const std::function<void(QWidget *)> &prepare)
{
    const auto show = [&prepare](auto *window) {
        prepare(window);
        window->show();
        return std::unique_ptr<QWidget>(window);
    };
    if (kind == "VnDialog")
        return show(new VnDialog(owner));
    const auto frameless = [&show](auto *window) {
        window->resize(300, 200);
        return show(window);
    };
    if (kind == "VNMainWindow")
        return frameless(new VNMainWindow);
    auto *dialog = new VNDialog(owner);
    if (kind.endsWith("kept"))
        dialog->keepCenteredOnParent();
    return frameless(dialog);
}

} // namespace

class tst_FramelessWindowManager : public QObject
{
    Q_OBJECT

    // Counts the spontaneous close events of the objects this filters.
    bool eventFilter(QObject *, QEvent *event) override
    {
        spontaneousCloses += event->type() == QEvent::Close && event->spontaneous();
        return false;
    }
    int spontaneousCloses = 0;

private Q_SLOTS:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != "xcb")
            QSKIP("needs an X11 server with a window manager");
    }
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void placement_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("moved");
        QTest::addColumn<QString>("parent");
        // A message box and a main window opening centred: scripts/walkthrough.sh.
        QTest::newRow("VNDialog on VnDialog") << "VNDialog" << false << "VnDialog";
        QTest::newRow("VNDialog on VnDialog, moved") << "VNDialog" << true << "VnDialog";
        QTest::newRow("VNDialog kept centred on VNMainWindow") << "VNDialog kept" << false << "VNMainWindow";
        QTest::newRow("VNMainWindow on the screen, moved") << "VNMainWindow" << true << "";
    }

    void placement()
    {
        QFETCH(QString, parent);
        QFETCH(bool, moved);
        std::unique_ptr<QWidget> owner;
        if (!parent.isEmpty()) {
            owner = open(parent, nullptr, [](QWidget *w) { w->setGeometry(150, 100, 500, 350); });
            QVERIFY(QTest::qWaitForWindowExposed(owner->window()));
        }
        QFETCH(QString, window);
        const auto opened = open(window, owner.get(), [moved](QWidget *w) {
            if (moved)
                w->move(60, 40);
        });
        QWidget *shown = opened->window();
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        // Qt's idea of where the window is agrees with the X server's once the window manager has placed it.
        QTRY_COMPARE(serverGeometry(shown), shown->geometry());
        // Where the application moved it, or centred on the parent or the screen.
        const QPoint centre = owner ? serverGeometry(owner->window()).center()
                                    : shown->windowHandle()->screen()->availableGeometry().center();
        const QPoint offset = moved ? shown->pos() - QPoint(60, 40) : serverGeometry(shown).center() - centre;
        QVERIFY2(qAbs(offset.x()) <= 3 && qAbs(offset.y()) <= 3,
                 qPrintable(QString("%1 px, %2 px off").arg(offset.x()).arg(offset.y())));
    }

    void altF4IgnoredAndTitleBarDrag()
    {
        VNDialogFramelessContainer container(0);
        QSignalSpy willHide(&container, &VNDialogFramelessContainer::willHide);
        container.installEventFilter(this);
        container.setGeometry(200, 150, 500, 350);
        container.show();
        container.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&container));
        QCOMPARE(QProcess::execute("xdotool", {"key", "alt+F4"}), 0);
        QTRY_COMPARE(spontaneousCloses, 1);
        QCoreApplication::processEvents();
        QVERIFY(container.isVisible());
        QCOMPARE(willHide.count(), 0);
        // The cursor stays over the title bar's point where the drag began; xdotool counts screen pixels.
        const qreal ratio = container.devicePixelRatioF();
        const QPoint at = container.findChild<WindowDragger *>()->mapToGlobal(QPoint(120, 20)) * ratio;
        const QString drag =
            QString::asprintf("mousemove %d %d mousedown 1 mousemove %d %d mousemove %d %d mouseup 1", at.x(),
                              at.y(), at.x() + 30, at.y() + 10, at.x() + 90, at.y() + 60);
        QCOMPARE(QProcess::execute("xdotool", drag.split(' ')), 0);
        QTRY_COMPARE(container.geometry(), QRect(QPoint(200, 150) + QPoint(90, 60) / ratio, QSize(500, 350)));
    }
};

QTEST_MAIN(tst_FramelessWindowManager)
#include "tst_framelesswindowmanager.moc"
