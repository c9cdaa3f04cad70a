// Draws every image of resources/icon/, at 1x and as "@2x" at twice the size, and writes them as PNG files
// into the directory given on the command line. The PNGs are committed; run this after changing the artwork:
//
//     zev_orer_drawicons resources/icon
//
// Shapes are laid on half-pixel coordinates where a one-pixel edge has to stay sharp.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTextStream>

#include <cmath>
#include <functional>
#include <vector>

namespace {

// The dark palette the sheets use.
const QColor fieldGround(20, 23, 27);
const QColor windowGround(45, 48, 55);
const QColor fieldBorder(77, 82, 98);
const QColor mutedBorder(64, 68, 80);
const QColor buttonFace(78, 82, 98);
const QColor buttonHover(98, 102, 118);
const QColor accent(63, 109, 169);
const QColor labelText(130, 134, 143);
const QColor disabledText(104, 107, 113);
const QColor text(200, 200, 216);
const QColor mark(245, 247, 252);

struct Icon
{
    QString name;
    QSize size;
    std::function<void(QPainter &)> draw;
};

void fillPolygon(QPainter &p, const QColor &color, const QPolygonF &polygon)
{
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(polygon);
}

void drawCloseCross(QPainter &p)
{
    // Square caps carry the strokes into the corner pixels; the image edge clips them.
    p.setPen(QPen(labelText, 2, Qt::SolidLine, Qt::SquareCap));
    p.drawLine(QPointF(0, 0), QPointF(15, 15));
    p.drawLine(QPointF(15, 0), QPointF(0, 15));
}

void drawError(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(212, 61, 61));
    p.drawEllipse(QRectF(1, 1, 38, 38));

    // Clearing lets whatever is behind the message box show through the cross.
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.setPen(QPen(Qt::black, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(13.5, 13.5), QPointF(26.5, 26.5));
    p.drawLine(QPointF(26.5, 13.5), QPointF(13.5, 26.5));
}

void drawWarning(QPainter &p)
{
    // A wide round-joined outline in the fill colour rounds the corners of the triangle.
    const QColor orange(255, 150, 76);
    p.setPen(QPen(orange, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(orange);
    p.drawPolygon(QPolygonF({QPointF(20, 5), QPointF(37, 35), QPointF(3, 35)}));

    const QColor ink(48, 51, 58);
    QPainterPath stem;
    stem.moveTo(18.2, 14.5);
    stem.lineTo(21.8, 14.5);
    stem.lineTo(21, 26.5);
    stem.lineTo(19, 26.5);
    stem.closeSubpath();
    p.setPen(QPen(ink, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(ink);
    p.drawPath(stem);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(20, 30.5), 2.1, 2.1);
}

void drawComboArrow(QPainter &p)
{
    fillPolygon(p, text, QPolygonF({QPointF(7.5, 9), QPointF(15.5, 9), QPointF(11.5, 13.5)}));
}

enum class Direction { Left, Right, Up, Down };

// A small solid triangle pointing in the given direction, centred in a box of the given size.
QPolygonF arrow(Direction direction, const QSizeF &box, qreal length, qreal depth)
{
    const qreal cx = box.width() / 2;
    const qreal cy = box.height() / 2;
    const qreal l = length / 2;
    const qreal d = depth / 2;
    switch (direction) {
    case Direction::Left:
        return QPolygonF({QPointF(cx + d, cy - l), QPointF(cx + d, cy + l), QPointF(cx - d, cy)});
    case Direction::Right:
        return QPolygonF({QPointF(cx - d, cy - l), QPointF(cx - d, cy + l), QPointF(cx + d, cy)});
    case Direction::Up:
        return QPolygonF({QPointF(cx - l, cy + d), QPointF(cx + l, cy + d), QPointF(cx, cy - d)});
    case Direction::Down:
        break;
    }
    return QPolygonF({QPointF(cx - l, cy - d), QPointF(cx + l, cy - d), QPointF(cx, cy + d)});
}

Icon splitterArrow(const QString &name, Direction direction)
{
    const QSize size(8, 15);
    const bool across = direction == Direction::Left || direction == Direction::Right;
    return {QStringLiteral("splitter_handle_arrow_%1_8x15_s1.png").arg(name), size, [=](QPainter &p) {
                fillPolygon(p, labelText,
                            across ? arrow(direction, size, 8, 4) : arrow(direction, size, 6, 3));
            }};
}

enum class Check { Off, On, Partial };

Icon checkBox(Check state, bool enabled)
{
    static const char *const names[] = {"unchecked", "checked", "indeterminate"};
    const QString name =
        QStringLiteral("checkbox_%1%2_20x20_s1.png")
            .arg(QLatin1String(names[int(state)]), enabled ? QString() : QStringLiteral("_disabled"));
    return {name, QSize(20, 20), [=](QPainter &p) {
                const bool on = state != Check::Off;
                const QColor border =
                    on ? (enabled ? accent : mutedBorder) : (enabled ? fieldBorder : mutedBorder);
                const QColor ground = on ? border : (enabled ? fieldGround : windowGround);
                p.setPen(QPen(border, 1));
                p.setBrush(ground);
                p.drawRoundedRect(QRectF(2.5, 2.5, 15, 15), 2, 2);

                const QColor ink = enabled ? mark : disabledText;
                if (state == Check::On) {
                    p.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                    p.drawPolyline(QPolygonF({QPointF(6, 10.2), QPointF(8.8, 13), QPointF(14, 7.5)}));
                } else if (state == Check::Partial) {
                    p.setPen(QPen(ink, 2, Qt::SolidLine, Qt::FlatCap));
                    p.drawLine(QPointF(6, 10), QPointF(14, 10));
                }
            }};
}

Icon radioButton(bool checked, bool enabled)
{
    const QString name = QStringLiteral("radiobutton_%1%2_18x18_s1.png")
                             .arg(checked ? QStringLiteral("checked") : QStringLiteral("unchecked"),
                                  enabled ? QString() : QStringLiteral("_disabled"));
    return {name, QSize(18, 18), [=](QPainter &p) {
                const QColor border =
                    checked ? (enabled ? accent : mutedBorder) : (enabled ? fieldBorder : mutedBorder);
                const QColor ground = checked ? border : (enabled ? fieldGround : windowGround);
                p.setPen(QPen(border, 1));
                p.setBrush(ground);
                p.drawEllipse(QRectF(2.5, 2.5, 13, 13));
                if (checked) {
                    p.setPen(Qt::NoPen);
                    p.setBrush(enabled ? mark : disabledText);
                    p.drawEllipse(QPointF(9, 9), 2.8, 2.8);
                }
            }};
}

enum class Hover { Normal, Hovered, Pressed };

Icon spinButton(Direction direction, Hover look)
{
    static const char *const looks[] = {"", "_hover", "_pressed"};
    const QString name = QStringLiteral("spinbox_%1%2_20x11_s1.png")
                             .arg(direction == Direction::Up ? QStringLiteral("up") : QStringLiteral("down"),
                                  QLatin1String(looks[int(look)]));
    const QSize size(20, 11);
    return {name, size, [=](QPainter &p) {
                if (look != Hover::Normal) {
                    p.fillRect(QRect(QPoint(0, 0), size), look == Hover::Hovered ? mutedBorder : accent);
                }
                fillPolygon(p, look == Hover::Normal ? labelText : text, arrow(direction, size, 8, 4));
            }};
}

// A rounded grip with three ridges across its long side.
void drawSliderHandle(QPainter &p, const QSize &size, const QColor &face, Qt::Orientation orientation)
{
    p.setPen(QPen(fieldGround, 1));
    p.setBrush(face);
    p.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 3, 3);

    p.setPen(QPen(text, 1));
    const QPointF centre(size.width() / 2.0, size.height() / 2.0);
    for (int i = -1; i <= 1; ++i) {
        if (orientation == Qt::Horizontal) {
            const qreal x = std::floor(centre.x()) + 3 * i + 0.5;
            p.drawLine(QPointF(x, 5), QPointF(x, size.height() - 5));
        } else {
            const qreal y = std::floor(centre.y()) + 3 * i + 0.5;
            p.drawLine(QPointF(4, y), QPointF(size.width() - 4, y));
        }
    }
}

std::vector<Icon> icons()
{
    std::vector<Icon> all{
        {QStringLiteral("btn_close_15x15_s1.png"), QSize(15, 15), drawCloseCross},
        {QStringLiteral("error_40x40_s1.png"), QSize(40, 40), drawError},
        {QStringLiteral("warning_40x40_s1.png"), QSize(40, 40), drawWarning},
        {QStringLiteral("combox_23_22_s1.png"), QSize(23, 22), drawComboArrow},
        splitterArrow(QStringLiteral("left"), Direction::Left),
        splitterArrow(QStringLiteral("right"), Direction::Right),
        splitterArrow(QStringLiteral("up"), Direction::Up),
        splitterArrow(QStringLiteral("down"), Direction::Down),
        {QStringLiteral("slider_handle_horizontal_27x16_s1.png"), QSize(27, 16),
         [](QPainter &p) { drawSliderHandle(p, QSize(27, 16), buttonFace, Qt::Horizontal); }},
        {QStringLiteral("slider_handle_horizontal_hover_27x16_s1.png"), QSize(27, 16),
         [](QPainter &p) { drawSliderHandle(p, QSize(27, 16), buttonHover, Qt::Horizontal); }},
        {QStringLiteral("slider_handle_vertical_12x23_s1.png"), QSize(12, 23),
         [](QPainter &p) { drawSliderHandle(p, QSize(12, 23), buttonFace, Qt::Vertical); }},
    };
    for (bool enabled : {true, false}) {
        for (Check state : {Check::Off, Check::On, Check::Partial}) {
            all.push_back(checkBox(state, enabled));
        }
        for (bool checked : {false, true}) {
            all.push_back(radioButton(checked, enabled));
        }
    }
    for (Direction direction : {Direction::Up, Direction::Down}) {
        for (Hover look : {Hover::Normal, Hover::Hovered, Hover::Pressed}) {
            all.push_back(spinButton(direction, look));
        }
    }
    return all;
}

} // namespace

int main(int argc, char *argv[])
{
    // Nothing is shown, so no display is needed unless one is asked for.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        err << "usage: " << args.value(0) << " <output directory>\n";
        return 2;
    }
    const QDir out(args.at(1));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        err << "cannot create " << out.path() << '\n';
        return 1;
    }

    // Each image also at twice its size, "@2x", which Qt picks on screens scaled 150% and more.
    for (const Icon &icon : icons()) {
        for (const int scale : {1, 2}) {
            QImage image(icon.size * scale, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.scale(scale, scale);
            icon.draw(painter);
            painter.end();

            QString name = icon.name;
            if (scale != 1)
                name.insert(name.lastIndexOf(QLatin1Char('.')), QStringLiteral("@%1x").arg(scale));
            const QString path = out.filePath(name);
            if (!image.save(path, "PNG")) {
                err << "cannot write " << path << '\n';
                return 1;
            }
        }
    }
    return 0;
}
