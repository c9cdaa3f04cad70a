#include "framelessshadoweffect_p.h"

#include <QEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QPointer>
#include <QVector>
#include <QWidget>

#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>

// The blur of Qt's drop shadow, exported by QtWidgets without a public declaration: it halves the picture
// when the radius is 4 or more and blurs its alpha channel; without a painter it leaves the result in the
// picture.
QT_BEGIN_NAMESPACE
Q_WIDGETS_EXPORT void qt_blurImage(QPainter *p, QImage &blurImage, qreal radius, bool quality, bool alphaOnly,
                                   int transposed = 0);
QT_END_NAMESPACE

namespace {

constexpr QImage::Format pictureFormat = QImage::Format_ARGB32_Premultiplied;

QImage transparentImage(const QSize &size, int dpr)
{
    QImage image(size, pictureFormat);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    return image;
}

const QRgb *pixels(const QImage &image, int y)
{
    return reinterpret_cast<const QRgb *>(image.constScanLine(y));
}

} // namespace

class FramelessShadowEffectPrivate
{
public:
    /// Where one draw puts the shadow. Qt's effect blurs a picture of the frame padded on every side; all
    /// sizes but the effect rectangle are in device pixels of that picture.
    struct Layout
    {
        int dpr = 1;
        /// 2 when the blur works on the picture halved, as it does for a radius of 4 or more.
        int scale = 1;
        /// The padded picture in the painter's logical pixels, its world transform reset.
        QRect effect;
        int pad = 0;
        QSize frame;
        QSize picture;
        /// Which of the slices fits the frame: halving pairs pixels differently at an odd width or height.
        int parity = 0;

        bool drawnBackExactly() const;
    };

    /// What the blurred reference frame is built from besides the parity: the outline as learned last, and
    /// how the picture is drawn.
    struct ReferenceKey
    {
        int outline = 0;
        int dpr = 0;
        int scale = 0;
        qreal radius = 0;
        int pad = 0;

        bool operator==(const ReferenceKey &o) const
        {
            return std::tie(outline, dpr, scale, radius, pad) ==
                   std::tie(o.outline, o.dpr, o.scale, o.radius, o.pad);
        }
    };

    /// What the shadow of frames of one parity is drawn from.
    struct Slices
    {
        ReferenceKey key;
        /// The blurred picture of a short frame with the same corners, in the blur's pixels.
        QImage reference;
        /// A column and a row of the reference between its corners, where the blur has settled.
        QPoint middle;
        /// Whether the pieces are those of the reference in colour piecesColour, for frames of the size
        /// piecesFrame or, when Qt drew the blurred picture back exactly for both, of any size.
        bool piecesValid = false;
        bool piecesExact = false;
        QSize piecesFrame;
        QColor piecesColour;
        /// The coloured shadow in device pixels: the picture's corner blocks, top-left, top-right,
        /// bottom-left and bottom-right, and the colours across the edges between them above, below, left of
        /// and right of the frame, alike all along it.
        std::array<QImage, 4> blocks;
        std::array<QVector<QRgb>, 4> edgeColours;
    };

    FramelessShadowEffectPrivate(FramelessShadowEffect *owner, QWidget *frameWidget)
        : q(owner)
        , frame(frameWidget)
    {}

    bool prepare(QPainter *painter, const QRectF &source, Layout *layout);
    bool layoutFor(QPainter *painter, const QRectF &source, Layout *layout) const;
    void learnOutline(int dpr);
    bool cornersFit() const;
    QRect cornerSquare(int k) const;
    bool paintsCorner(const QRect &area) const;
    std::array<QImage, 4> drawCorners(int dpr) const;
    void buildReference(Slices *slices, const Layout &layout, const ReferenceKey &key) const;
    bool buildPieces(Slices *slices, const Layout &layout) const;
    void buildEdges(const Slices &slices, const Layout &layout);
    void paintShadow(QPainter *painter, const Layout &layout) const;
    QRect paintedArea(QPainter *painter) const;
    void paintFrame(QPainter *painter) const;
    void renderFrame(QImage *image, const QRect &area, QWidget::RenderFlags flags) const;

    FramelessShadowEffect *const q;
    const QPointer<QWidget> frame;

    /// The device pixel ratio at which the frame's outline was learned; 0 when it must be learned again.
    int outlineDpr = 0;
    /// Counts the outlines learned.
    int outline = 0;
    /// Side, in logical pixels, of the four corner squares outside which the frame's own painting is opaque.
    int corner = 0;
    /// The alpha of the corner squares, children included, when the outline was learned.
    std::array<QImage, 4> corners;

    /// By parity: a window dragged larger changes it at every step.
    std::array<Slices, 4> slices;
    /// The edges of the last frame drawn, as long as it needed, and the colours across them.
    std::array<QImage, 4> edges;
    std::array<QVector<QRgb>, 4> edgeColours;
};

bool FramelessShadowEffectPrivate::Layout::drawnBackExactly() const
{
    // Qt draws the blurred picture back over its size over the ratio, rounded: unless that is exact, how the
    // pixels mix depends on the size.
    const QSize blurredSize(picture.width() / scale, picture.height() / scale);
    return blurredSize / qreal(dpr) * dpr == blurredSize;
}

bool FramelessShadowEffectPrivate::layoutFor(QPainter *painter, const QRectF &source, Layout *layout) const
{
    const qreal radius = q->blurRadius();
    if (!frame || radius <= 0 || !q->offset().isNull() || source != QRectF(frame->rect()))
        return false;
    const qreal dpr = painter->device()->devicePixelRatioF();
    const QTransform &world = painter->worldTransform();
    const QPoint shift(qRound(world.dx()), qRound(world.dy()));
    // Fractional ratios and positions put the frame's sides between device pixels, where the corners drawn
    // here would not be the stock effect's.
    if (world.type() > QTransform::TxTranslate || dpr < 1 || !qFuzzyCompare(dpr, qreal(qRound(dpr))) ||
        QPointF(shift) != QPointF(world.dx(), world.dy()))
        return false;
    const QRect frameRect(shift, frame->size());
    layout->effect = q->boundingRectFor(QRectF(frameRect)).toAlignedRect();
    const int pad = frameRect.left() - layout->effect.left();
    if (layout->effect != frameRect.adjusted(-pad, -pad, pad, pad))
        return false;
    layout->dpr = qRound(dpr);
    layout->scale = radius >= 4 ? 2 : 1;
    layout->pad = pad * layout->dpr;
    layout->frame = frameRect.size() * layout->dpr;
    layout->picture = layout->effect.size() * layout->dpr;
    layout->parity = (layout->frame.width() & 1) | (layout->frame.height() & 1) << 1;
    return true;
}

void FramelessShadowEffectPrivate::learnOutline(int dpr)
{
    // The frame's own painting only: children paint over it and cannot make an opaque pixel less opaque. It
    // is drawn a band of rows at a time, to spare a picture of the whole frame. Every pixel that is not
    // opaque must lie in a corner square whose side is one more than the pixel's distance from the farther of
    // the two sides nearest to it.
    constexpr int bandRows = 32;
    const int w = frame->width() * dpr;
    const int h = frame->height() * dpr;
    QImage band(QSize(w, bandRows * dpr), pictureFormat);
    band.setDevicePixelRatio(dpr);
    int farthest = -1;
    for (int top = 0; top < frame->height(); top += bandRows) {
        band.fill(Qt::transparent);
        renderFrame(&band, QRect(0, top, frame->width(), bandRows), QWidget::RenderFlags());
        for (int y = top * dpr; y < std::min(h, (top + bandRows) * dpr); ++y) {
            const QRgb *line = pixels(band, y - top * dpr);
            QRgb all = ~0u;
            for (int x = 0; x < w; ++x)
                all &= line[x];
            if (qAlpha(all) == 255)
                continue;
            const int dy = std::min(y, h - 1 - y);
            for (int x = 0; x < w; ++x) {
                if (qAlpha(line[x]) != 255)
                    farthest = std::max(farthest, std::max(dy, std::min(x, w - 1 - x)));
            }
        }
    }
    corner = (farthest + dpr) / dpr;
    outlineDpr = dpr;
    corners = cornersFit() ? drawCorners(dpr) : std::array<QImage, 4>();
    ++outline;
}

bool FramelessShadowEffectPrivate::cornersFit() const
{
    return 2 * (corner + 1) <= std::min(frame->width(), frame->height());
}

/// Corner square @p k of the frame: top-left, top-right, bottom-left or bottom-right.
QRect FramelessShadowEffectPrivate::cornerSquare(int k) const
{
    return QRect(k & 1 ? frame->width() - corner : 0, k & 2 ? frame->height() - corner : 0, corner, corner);
}

bool FramelessShadowEffectPrivate::paintsCorner(const QRect &area) const
{
    for (int k = 0; k < 4; ++k) {
        if (area.intersects(cornerSquare(k)))
            return true;
    }
    return false;
}

std::array<QImage, 4> FramelessShadowEffectPrivate::drawCorners(int dpr) const
{
    std::array<QImage, 4> squares;
    if (corner == 0)
        return squares;
    for (int k = 0; k < 4; ++k) {
        QImage square = transparentImage(QSize(corner, corner) * dpr, dpr);
        renderFrame(&square, cornerSquare(k), QWidget::DrawChildren);
        squares[k] = square.convertToFormat(QImage::Format_Alpha8);
    }
    return squares;
}

void FramelessShadowEffectPrivate::buildReference(Slices *slices, const Layout &layout,
                                                  const ReferenceKey &key) const
{
    // A frame just long enough that the blur settles between its corners on the values that a frame of any
    // length has there, and of the parity of the frame drawn, so that halving pairs the same pixels at its
    // right and bottom sides. The blur's state falls by (2/255)^(1/r) a pixel for its radius r, so after 3r
    // pixels a full step has faded below its fixed-point precision.
    const int cornerPixels = corner * layout.dpr;
    const int settle = layout.scale * (int(std::ceil(3 * key.radius / layout.scale)) + 2);
    const int even = 2 * (cornerPixels + settle);
    const QSize frameSize(even + (layout.frame.width() & 1), even + (layout.frame.height() & 1));
    QImage picture = transparentImage(frameSize + QSize(2 * layout.pad, 2 * layout.pad), 1);
    QPainter painter(&picture);
    painter.fillRect(QRect(QPoint(layout.pad, layout.pad), frameSize), Qt::black);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (int k = 0; k < 4; ++k) {
        const QPoint at(layout.pad + (k & 1 ? frameSize.width() - cornerPixels : 0),
                        layout.pad + (k & 2 ? frameSize.height() - cornerPixels : 0));
        painter.drawImage(QRect(at, corners[k].size()), corners[k], corners[k].rect());
    }
    painter.end();
    qt_blurImage(nullptr, picture, key.radius, false, true);
    slices->reference = picture;
    const int middle = (layout.pad + cornerPixels + settle) / layout.scale;
    slices->middle = QPoint(middle, middle);
    slices->key = key;
    slices->piecesValid = false;
}

bool FramelessShadowEffectPrivate::buildPieces(Slices *slices, const Layout &layout) const
{
    const QImage &reference = slices->reference;
    const int dpr = layout.dpr;
    const int width = layout.picture.width();
    const int height = layout.picture.height();
    // The blurred picture of this frame is the reference with its middle column and row repeated.
    const QSize blurredSize(width / layout.scale, height / layout.scale);
    const QPoint grow(blurredSize.width() - reference.width(), blurredSize.height() - reference.height());
    const int mx = slices->middle.x();
    const int my = slices->middle.y();
    // Qt draws the blurred picture back over drawn, in logical pixels before its scale: at an odd size on a
    // scaled screen not exactly the blurred size over the ratio. Device pixel p mixes blurred pixel
    // blurredIndex(p) and the next.
    const QSize drawn = blurredSize / qreal(dpr);
    const auto blurredIndex = [&](int p, int blurredLength, int drawnLength) {
        return int(std::floor((p + 0.5) / (layout.scale * dpr) * blurredLength / drawnLength - 0.5));
    };
    const auto blurredRow = [&](int y) { return blurredIndex(y, blurredSize.height(), drawn.height()); };
    const auto blurredColumn = [&](int x) { return blurredIndex(x, blurredSize.width(), drawn.width()); };
    // The device pixels that mix two copies of the middle row or column are all alike, one to spare at either
    // end of the stretch; the corner blocks lie outside it.
    const auto stretch = [](int length, int middle, int repeats, const auto &blurredOf) {
        int begin = 0;
        while (begin < length && blurredOf(begin) < middle + 1)
            ++begin;
        int end = begin;
        while (end < length && blurredOf(end) + 1 < middle + repeats - 1)
            ++end;
        return std::make_pair(begin, end);
    };
    int top = 0;
    int bottom = 0;
    int left = 0;
    int right = 0;
    std::tie(top, bottom) = stretch(height, my, grow.y(), blurredRow);
    std::tie(left, right) = stretch(width, mx, grow.x(), blurredColumn);
    // A frame shorter than the reference has no stretch to repeat.
    if (bottom <= top || right <= left)
        return false;

    const QColor colour = q->color();
    // Qt's last steps for the device rows from..from+rows, outside the stretch of columns and in its first:
    // the blurred rows they mix drawn back smoothly where Qt draws the whole blurred picture, then coloured.
    const auto strip = [&](int from, int rows) {
        const int firstRow = std::max(blurredRow(from) - 1, 0);
        const int endRow = std::min(blurredRow(from + rows - 1) + 3, blurredSize.height());
        QImage band(blurredSize.width(), endRow - firstRow, pictureFormat);
        band.setDevicePixelRatio(dpr);
        for (int j = firstRow; j < endRow; ++j) {
            const QRgb *row = pixels(reference, j <= my ? j : j >= my + grow.y() ? j - grow.y() : my);
            auto *line = reinterpret_cast<QRgb *>(band.scanLine(j - firstRow));
            std::copy(row, row + mx, line);
            std::fill(line + mx, line + mx + grow.x(), row[mx]);
            std::copy(row + mx, row + reference.width(), line + mx + grow.x());
        }
        QImage image = transparentImage(QSize(width, rows), dpr);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const qreal rowHeight = qreal(drawn.height()) / blurredSize.height();
        const QRectF target(0, firstRow * rowHeight, drawn.width(), band.height() * rowHeight);
        for (const auto &[begin, end] : {std::make_pair(0, left + 1), std::make_pair(right, width)}) {
            painter.setClipRect(QRectF(qreal(begin) / dpr, 0, qreal(end - begin) / dpr, qreal(rows) / dpr));
            painter.translate(0, -qreal(from) / dpr);
            painter.scale(layout.scale, layout.scale);
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
            painter.drawImage(target, band, band.rect());
            painter.resetTransform();
            painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
            painter.fillRect(image.rect(), colour);
        }
        return image;
    };
    const QImage above = strip(0, top);
    const QImage below = strip(bottom, height - bottom);
    const QImage between = strip(top, 1);
    slices->blocks = {above.copy(0, 0, left, top), above.copy(right, 0, width - right, top),
                      below.copy(0, 0, left, height - bottom),
                      below.copy(right, 0, width - right, height - bottom)};
    // Only the edges outside the frame: beside its straight sides the frame hides the shadow.
    const int pad = layout.pad;
    auto &edgeColours = slices->edgeColours;
    edgeColours = {};
    for (int y = 0; y < pad; ++y) {
        edgeColours[0].append(pixels(above, y)[left]);
        edgeColours[1].append(pixels(below, below.height() - pad + y)[left]);
    }
    for (int x = 0; x < pad; ++x) {
        edgeColours[2].append(pixels(between, 0)[x]);
        edgeColours[3].append(pixels(between, 0)[width - pad + x]);
    }
    slices->piecesExact = layout.drawnBackExactly();
    slices->piecesFrame = layout.frame;
    slices->piecesColour = colour;
    slices->piecesValid = true;
    return true;
}

void FramelessShadowEffectPrivate::buildEdges(const Slices &slices, const Layout &layout)
{
    const auto &blocks = slices.blocks;
    const int along[] = {layout.picture.width() - blocks[0].width() - blocks[1].width(),
                         layout.picture.height() - blocks[0].height() - blocks[2].height()};
    for (int k = 0; k < 4; ++k) {
        const bool horizontal = k < 2;
        const int length = along[horizontal ? 0 : 1];
        QImage &edge = edges[k];
        if ((horizontal ? edge.width() : edge.height()) == length && edgeColours[k] == slices.edgeColours[k])
            continue;
        edgeColours[k] = slices.edgeColours[k];
        const int across = edgeColours[k].size();
        edge = QImage(horizontal ? QSize(length, across) : QSize(across, length), pictureFormat);
        edge.setDevicePixelRatio(layout.dpr);
        for (int y = 0; y < edge.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(edge.scanLine(y));
            if (horizontal)
                std::fill(line, line + length, edgeColours[k][y]);
            else
                std::copy(edgeColours[k].cbegin(), edgeColours[k].cend(), line);
        }
    }
}

bool FramelessShadowEffectPrivate::prepare(QPainter *painter, const QRectF &source, Layout *layout)
{
    if (!layoutFor(painter, source, layout))
        return false;
    // Learned at another ratio, or since a child drew into a corner or the frame's look changed without an
    // event that says so, the outline must be learned again.
    if (outlineDpr != layout->dpr || (corner > 0 && cornersFit() && paintsCorner(paintedArea(painter)) &&
                                      drawCorners(layout->dpr) != corners))
        learnOutline(layout->dpr);
    if (!cornersFit())
        return false;
    Slices &current = slices[layout->parity];
    const ReferenceKey key{outline, layout->dpr, layout->scale, q->blurRadius(), layout->pad};
    if (!(key == current.key))
        buildReference(&current, *layout, key);
    const bool anySize = current.piecesExact && layout->drawnBackExactly();
    if (!current.piecesValid || current.piecesColour != q->color() ||
        (current.piecesFrame != layout->frame && !anySize)) {
        if (!buildPieces(&current, *layout))
            return false;
    }
    buildEdges(current, *layout);
    return true;
}

void FramelessShadowEffectPrivate::paintShadow(QPainter *painter, const Layout &layout) const
{
    const int dpr = layout.dpr;
    const QPointF origin = layout.effect.topLeft();
    const auto put = [&](const QImage &image, const QRect &to) {
        painter->drawImage(QRectF(origin + QPointF(to.topLeft()) / dpr, QSizeF(to.size()) / dpr), image,
                           QRect(QPoint(), to.size()));
    };
    const int w = layout.picture.width();
    const int h = layout.picture.height();
    const int pad = layout.pad;
    const auto &blocks = slices[layout.parity].blocks;
    const int left = blocks[0].width();
    const int right = w - blocks[1].width();
    const int top = blocks[0].height();
    const int bottom = h - blocks[2].height();
    painter->save();
    painter->setWorldTransform(QTransform());
    painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    put(blocks[0], blocks[0].rect());
    put(blocks[1], blocks[1].rect().translated(right, 0));
    put(blocks[2], blocks[2].rect().translated(0, bottom));
    put(blocks[3], blocks[3].rect().translated(right, bottom));
    put(edges[0], QRect(left, 0, right - left, pad));
    put(edges[1], QRect(left, h - pad, right - left, pad));
    put(edges[2], QRect(0, top, pad, bottom - top));
    put(edges[3], QRect(w - pad, top, pad, bottom - top));
    painter->restore();
}

void FramelessShadowEffectPrivate::renderFrame(QImage *image, const QRect &area,
                                               QWidget::RenderFlags flags) const
{
    // Through a painter of its own: while a window is rendered with a painter, rendering to a device would
    // paint with the window's painter instead.
    QPainter painter(image);
    frame->render(&painter, QPoint(), QRegion(area), flags);
}

QRect FramelessShadowEffectPrivate::paintedArea(QPainter *painter) const
{
    // Qt clips the effect's painting to what the update needs.
    const QRegion clip = painter->paintEngine()->systemClip();
    if (clip.isEmpty())
        return frame->rect();
    return frame->rect() &
           painter->deviceTransform().inverted().mapRect(QRectF(clip.boundingRect())).toAlignedRect();
}

void FramelessShadowEffectPrivate::paintFrame(QPainter *painter) const
{
    // An empty region would render the whole frame.
    const QRect area = paintedArea(painter);
    if (area.isEmpty())
        return;
    // Not drawSource(): when a window is drawn by QWidget::render() that paints the frame twice as far from
    // the window's corner as it is.
    frame->render(painter, area.topLeft(), QRegion(area), QWidget::DrawChildren);
}

FramelessShadowEffect::FramelessShadowEffect(QWidget *frame)
    : d(std::make_unique<FramelessShadowEffectPrivate>(this, frame))
{
    if (frame)
        frame->installEventFilter(this);
}

FramelessShadowEffect::~FramelessShadowEffect() = default;

void FramelessShadowEffect::draw(QPainter *painter)
{
    FramelessShadowEffectPrivate::Layout layout;
    if (!d->prepare(painter, sourceBoundingRect(), &layout)) {
        QGraphicsDropShadowEffect::draw(painter);
        return;
    }
    d->paintShadow(painter, layout);
    d->paintFrame(painter);
}

bool FramelessShadowEffect::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::StyleChange:
    case QEvent::PaletteChange:
    case QEvent::DynamicPropertyChange:
    case QEvent::EnabledChange:
    case QEvent::ActivationChange:
    case QEvent::HoverEnter:
    case QEvent::HoverLeave:
        // What can restyle the frame's own background: learn its outline again at the next draw.
        d->outlineDpr = 0;
        break;
    default:
        break;
    }
    return QGraphicsDropShadowEffect::eventFilter(watched, event);
}
