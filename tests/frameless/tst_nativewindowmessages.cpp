#include "nativewindowmessages.h"

#include <QRect>
#include <QTest>

using namespace NativeWindowMessages;

class tst_NativeWindowMessages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void action();
    void maximisedPlacement();
};

void tst_NativeWindowMessages::action()
{
    QCOMPARE(actionFor(0x0024, 0), Action::SetMaxPlacement);   // WM_GETMINMAXINFO
    QCOMPARE(actionFor(0x0112, 0xF060), Action::RequestClose); // WM_SYSCOMMAND, SC_CLOSE
    // SC_CLOSE with the low bits the system may add is not SC_CLOSE exactly.
    QCOMPARE(actionFor(0x0112, 0xF062), Action::PassOn);
}

void tst_NativeWindowMessages::maximisedPlacement()
{
    // Placements as "width x height at x,y", then the framed one with its track size.
    const auto placements = [](const QRect &available, int screenX, int borderWidth, int paddedBorderWidth) {
        const auto text = [](const MaxPlacement &p) {
            return QString::asprintf("%dx%d at %d,%d%s", p.maxWidth, p.maxHeight, p.maxX, p.maxY,
                                     p.trackSize ? " track" : "");
        };
        const MaxPlacement plain =
            maxPlacement({available.x(), available.y(), available.width(), available.height()}, screenX);
        return text(plain) + "; " + text(withFrameBorder(plain, frameBorder(borderWidth, paddedBorderWidth)));
    };
    QCOMPARE(placements(QRect(62, 0, 1858, 1080), 0, 1, 4),
             QStringLiteral("1858x1080 at 62,0; 1872x1094 at 55,-7 track"));
    // Only the horizontal position is made relative to the screen.
    QCOMPARE(placements(QRect(1920, 40, 2560, 1400), 1920, 0, 0),
             QStringLiteral("2560x1400 at 0,40; 2564x1404 at -2,38 track"));
}

QTEST_APPLESS_MAIN(tst_NativeWindowMessages)
#include "tst_nativewindowmessages.moc"
