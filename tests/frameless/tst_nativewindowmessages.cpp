#include "nativewindowmessages.h"

#include <QRect>
#include <QTest>

using namespace NativeWindowMessages;

class tst_NativeWindowMessages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void action();
    void maximisedPlacement_data();
    void maximisedPlacement();
};

void tst_NativeWindowMessages::action()
{
    QCOMPARE(actionFor(0x0024, 0), Action::SetMaxPlacement);   // WM_GETMINMAXINFO
    QCOMPARE(actionFor(0x0112, 0xF060), Action::RequestClose); // WM_SYSCOMMAND, SC_CLOSE
    // SC_CLOSE with the low bits the system may add is not SC_CLOSE exactly.
    QCOMPARE(actionFor(0x0112, 0xF062), Action::PassOn);
}

void tst_NativeWindowMessages::maximisedPlacement_data()
{
    // Placements as "width x height at x,y", then the framed one with its track size.
    QTest::addColumn<QRect>("available");
    QTest::addColumn<int>("screenX");
    QTest::addColumn<int>("borderWidth");
    QTest::addColumn<int>("paddedBorderWidth");
    QTest::addColumn<QString>("placements");
    QTest::newRow("primary, task bar below") << QRect(0, 0, 1920, 1040) << 0 << 1 << 4
                                             << QStringLiteral("1920x1040 at 0,0; 1934x1054 at -7,-7 track");
    QTest::newRow("primary, task bar left") << QRect(62, 0, 1858, 1080) << 0 << 1 << 4
                                            << QStringLiteral("1858x1080 at 62,0; 1872x1094 at 55,-7 track");
    // Only the horizontal position is made relative to the screen.
    QTest::newRow("second screen, task bar above")
        << QRect(1920, 40, 2560, 1400) << 1920 << 0 << 0
        << QStringLiteral("2560x1400 at 0,40; 2564x1404 at -2,38 track");
    QTest::newRow("screen left of primary") << QRect(-1280, 0, 1280, 984) << -1280 << 2 << 0
                                            << QStringLiteral("1280x984 at 0,0; 1288x992 at -4,-4 track");
}

void tst_NativeWindowMessages::maximisedPlacement()
{
    QFETCH(QRect, available);
    QFETCH(int, screenX);
    QFETCH(int, borderWidth);
    QFETCH(int, paddedBorderWidth);
    QFETCH(QString, placements);
    const auto text = [](const MaxPlacement &p) {
        return QString::asprintf("%dx%d at %d,%d%s", p.maxWidth, p.maxHeight, p.maxX, p.maxY,
                                 p.trackSize ? " track" : "");
    };
    const MaxPlacement plain =
        maxPlacement({available.x(), available.y(), available.width(), available.height()}, screenX);
    QCOMPARE(text(plain) + "; " + text(withFrameBorder(plain, frameBorder(borderWidth, paddedBorderWidth))),
             placements);
}

QTEST_APPLESS_MAIN(tst_NativeWindowMessages)
#include "tst_nativewindowmessages.moc"
