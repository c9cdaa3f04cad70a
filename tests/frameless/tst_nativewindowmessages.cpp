#include "nativewindowmessages.h"

#include <QTest>

using namespace NativeWindowMessages;

Q_DECLARE_METATYPE(NativeWindowMessages::Action)
Q_DECLARE_METATYPE(NativeWindowMessages::MaxPlacement)

namespace NativeWindowMessages {

// Found by QCOMPARE through the argument's namespace.
bool operator==(const MaxPlacement &a, const MaxPlacement &b)
{
    return a.maxWidth == b.maxWidth && a.maxHeight == b.maxHeight && a.maxX == b.maxX && a.maxY == b.maxY &&
           a.trackSize == b.trackSize;
}

char *toString(const MaxPlacement &p)
{
    return QTest::toString(QStringLiteral("size %1x%2 at %3,%4%5")
                               .arg(p.maxWidth)
                               .arg(p.maxHeight)
                               .arg(p.maxX)
                               .arg(p.maxY)
                               .arg(p.trackSize ? QStringLiteral(", track size") : QString()));
}

} // namespace NativeWindowMessages

namespace {

MaxPlacement placement(int w, int h, int x, int y, bool track = false)
{
    return {w, h, x, y, track};
}

} // namespace

class tst_NativeWindowMessages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void action_data();
    void action();
    void maximisedPlacement_data();
    void maximisedPlacement();
};

void tst_NativeWindowMessages::action_data()
{
    QTest::addColumn<unsigned>("message");
    QTest::addColumn<quint64>("wParam");
    QTest::addColumn<Action>("expected");
    QTest::newRow("WM_GETMINMAXINFO") << 0x0024u << quint64(0) << Action::SetMaxPlacement;
    QTest::newRow("WM_SYSCOMMAND SC_CLOSE") << 0x0112u << quint64(0xF060) << Action::RequestClose;
    QTest::newRow("WM_SYSCOMMAND SC_MINIMIZE") << 0x0112u << quint64(0xF020) << Action::PassOn;
    QTest::newRow("WM_SYSCOMMAND SC_MAXIMIZE") << 0x0112u << quint64(0xF030) << Action::PassOn;
    // SC_CLOSE with the low bits the system may add is not SC_CLOSE exactly.
    QTest::newRow("WM_SYSCOMMAND SC_CLOSE+2") << 0x0112u << quint64(0xF062) << Action::PassOn;
    QTest::newRow("WM_CLOSE") << 0x0010u << quint64(0xF060) << Action::PassOn;
    QTest::newRow("WM_NCHITTEST") << 0x0084u << quint64(0) << Action::PassOn;
}

void tst_NativeWindowMessages::action()
{
    QFETCH(unsigned, message);
    QFETCH(quint64, wParam);
    QFETCH(Action, expected);
    QCOMPARE(actionFor(message, std::uintptr_t(wParam)), expected);
}

void tst_NativeWindowMessages::maximisedPlacement_data()
{
    QTest::addColumn<QRect>("available");
    QTest::addColumn<int>("screenX");
    QTest::addColumn<int>("borderWidth");
    QTest::addColumn<int>("paddedBorderWidth");
    QTest::addColumn<MaxPlacement>("frameless");
    QTest::addColumn<MaxPlacement>("framed");
    QTest::newRow("primary, task bar below")
        << QRect(0, 0, 1920, 1040) << 0 << 1 << 4 << placement(1920, 1040, 0, 0)
        << placement(1934, 1054, -7, -7, true);
    QTest::newRow("primary, task bar left")
        << QRect(62, 0, 1858, 1080) << 0 << 1 << 4 << placement(1858, 1080, 62, 0)
        << placement(1872, 1094, 55, -7, true);
    // Only the horizontal position is made relative to the screen.
    QTest::newRow("second screen, task bar above")
        << QRect(1920, 40, 2560, 1400) << 1920 << 0 << 0 << placement(2560, 1400, 0, 40)
        << placement(2564, 1404, -2, 38, true);
    QTest::newRow("screen left of primary")
        << QRect(-1280, 0, 1280, 984) << -1280 << 2 << 0 << placement(1280, 984, 0, 0)
        << placement(1288, 992, -4, -4, true);
}

void tst_NativeWindowMessages::maximisedPlacement()
{
    QFETCH(QRect, available);
    QFETCH(int, screenX);
    QFETCH(int, borderWidth);
    QFETCH(int, paddedBorderWidth);
    QFETCH(MaxPlacement, frameless);
    QFETCH(MaxPlacement, framed);
    const MaxPlacement plain =
        maxPlacement({available.x(), available.y(), available.width(), available.height()}, screenX);
    QCOMPARE(plain, frameless);
    QCOMPARE(withFrameBorder(plain, frameBorder(borderWidth, paddedBorderWidth)), framed);
}

QTEST_APPLESS_MAIN(tst_NativeWindowMessages)
#include "tst_nativewindowmessages.moc"
