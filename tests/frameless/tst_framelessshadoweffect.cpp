#include "framelessshadoweffect_p.h"

#include "testsupport.h"

namespace {

// A frame as a container holds it: a margin for the shadow, a title strip 1 px inside reaching into rounded
// corners, a bottom-right grip that turns opaque when filled. A negative radius leaves the frame transparent.
struct Scene
{
    Scene(const QSize &frameSize, int radius)
    {
        host.resize(frameSize + QSize(30, 30));
        auto *outer = new QVBoxLayout(&host);
        outer->setContentsMargins(15, 15, 15, 15);
        outer->addWidget(frame);
        auto *column = new QVBoxLayout(frame);
        column->setContentsMargins(1, 1, 1, 1);
        auto *title = new QWidget;
        title->setAutoFillBackground(true);
        title->setFixedHeight(40);
        column->addWidget(title);
        column->addStretch();
        grip->setFixedSize(16, 16);
        column->addWidget(grip, 0, Qt::AlignRight);
        frame->setObjectName("frame");
        const QString rule(
            "#frame { background: rgb(45,48,55); border-radius: %1px; border: 1px solid gray; }");
        host.setStyleSheet(
            (radius < 0 ? QString() : rule.arg(radius)) +
            "QWidget[changed=\"true\"] #frame { border-radius: 12px; }"
            "#frame[changed=\"true\"] { background: qlineargradient(x1: 0, y1: 0, x2: 1, y2: 0,"
            " stop: 0.2 black, stop: 0.5 transparent, stop: 0.8 black); }");
    }

    QImage rendered(int dpr)
    {
        QImage image(host.size() * dpr, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(dpr);
        image.fill(Qt::transparent);
        host.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        return image;
    }

    QWidget host;
    QWidget *frame = new QWidget;
    QWidget *grip = new QWidget;
};

} // namespace

class tst_FramelessShadowEffect : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void samePixelsAsStock_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("radius");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<int>("dpr");
        QTest::addColumn<QString>("change");
        const QColor highlight = QApplication::palette().color(QPalette::Highlight);
        const QColor shadow = QApplication::palette().color(QPalette::Shadow);
        QTest::newRow("square, odd, dpr 2") << QSize(201, 121) << 0 << shadow << 2 << "";
        QTest::newRow("rounded, even, dpr 2") << QSize(300, 200) << 6 << highlight << 2 << "";
        QTest::newRow("no outline to slice") << QSize(240, 160) << -1 << highlight << 1 << "";
        QTest::newRow("shorter than the slices") << QSize(130, 70) << 30 << highlight << 1 << "";
        QTest::newRow("odd, dpr 2, grown") << QSize(241, 161) << 6 << highlight << 2 << "resize";
        QTest::newRow("resized to an odd width") << QSize(240, 160) << 6 << highlight << 1 << "resize odd";
        // The window's property changes the radius behind the frame's back; the frame's own clears its middle
        // only.
        QTest::newRow("re-polished to another radius")
            << QSize(241, 161) << 6 << shadow << 2 << "host property";
        QTest::newRow("re-polished see-through") << QSize(240, 160) << 6 << shadow << 1 << "frame property";
        QTest::newRow("recoloured") << QSize(240, 160) << 6 << shadow << 1 << "colour";
        QTest::newRow("corner grip filled") << QSize(240, 160) << 6 << highlight << 1 << "corner";
    }

    void samePixelsAsStock()
    {
        QFETCH(QSize, size);
        QFETCH(int, radius);
        QFETCH(QColor, colour);
        QFETCH(int, dpr);
        QFETCH(QString, change);
        Scene scene(size, radius);
        auto *effect = new FramelessShadowEffect(scene.frame);
        auto *stock = new QGraphicsDropShadowEffect(&scene.host);
        for (QGraphicsDropShadowEffect *shadow : {static_cast<QGraphicsDropShadowEffect *>(effect), stock}) {
            shadow->setBlurRadius(9.0);
            shadow->setOffset(0, 0);
            shadow->setColor(change == "colour" && shadow == effect ? QColor(Qt::red) : colour);
        }
        scene.frame->setGraphicsEffect(effect);
        // The first rendering fills the caches that the change must invalidate.
        scene.rendered(dpr);
        if (change.startsWith("resize")) {
            scene.host.resize(scene.host.size() + (change.endsWith("odd") ? QSize(37, 22) : QSize(300, 200)));
        } else if (change.endsWith("property")) {
            (change.startsWith("host") ? &scene.host : scene.frame)->setProperty("changed", true);
            scene.frame->style()->unpolish(scene.frame);
            scene.frame->style()->polish(scene.frame);
        } else if (change == "colour") {
            effect->setColor(colour);
        } else if (change == "corner") {
            scene.grip->setAutoFillBackground(true);
        }
        const QImage actual = scene.rendered(dpr);
        scene.frame->setGraphicsEffect(stock);
        QCOMPARE(firstDifference(scene.rendered(dpr), actual), QString());
    }
};

QTEST_MAIN(tst_FramelessShadowEffect)
#include "tst_framelessshadoweffect.moc"
