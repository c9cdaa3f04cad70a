#include "titlebardialog.h"

#include "systemgesture_p.h"
#include "windowplacement_p.h"

#include <QCoreApplication>
#include <QEvent>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QResizeEvent>
#include <QtDebug>

#include <cmath>

namespace {
const char stayTopProperty[] = "VnDialog.stayTop";
// The width of the grip at the right end of the bottom strip.
const int gripLength = 10;

// The edges, grip and separator are plain QWidgets: the stylesheet style paints their background only because
// their class is exactly QWidget.
QWidget *createFramePiece(QWidget *parent, const char *objectName, Qt::CursorShape cursor)
{
    auto piece = new QWidget(parent);
    piece->setObjectName(QLatin1String(objectName));
    piece->setCursor(cursor);
    return piece;
}
} // namespace

// The toolkit's images (the close button's, the message box's icons) come from its own resource. Outside any
// namespace, where Q_INIT_RESOURCE's declaration must be; the reference also links the resource in from a
// static library, which then registers it before main().
static void registerToolkitImages()
{
    Q_INIT_RESOURCE(zevorer_frameless);
}

class VnDialogPrivate
{
public:
    explicit VnDialogPrivate(VnDialog *dialog, bool resizable)
        : q(dialog)
        , resizable(resizable)
    {}

    void init();
    void applyStyles();
    void applyMargins();
    void layoutFrame();
    void retranslate();
    void resizeFromEdge(QObject *edge, const QPoint &globalPos);
    Qt::Edges edgesOf(const QObject *piece) const;

    VnDialog *const q;
    int borderWidth = 2;
    int titleWidth = 32;
    QString closeBtnPixmap;
    QColor titleColor;
    QColor borderColor;
    QWidget *leftEdge = nullptr;
    QWidget *rightEdge = nullptr;
    QWidget *topEdge = nullptr;
    QWidget *bottomEdge = nullptr;
    QWidget *cornerGrip = nullptr;
    // Guarded: a title widget handed over by the application may be deleted by it.
    QPointer<QWidget> titleWidget;
    QPushButton *closeButton = nullptr;
    QWidget *titleSeparator = nullptr;
    QPoint dragOffset;
    const bool resizable;
};

void VnDialogPrivate::init()
{
    registerToolkitImages();
    // Creation order is stacking order: the title row lies above the strips, the separator above the title
    // row.
    leftEdge = createFramePiece(q, "left_edge_widget", Qt::SizeHorCursor);
    rightEdge = createFramePiece(q, "right_edge_widget", Qt::SizeHorCursor);
    topEdge = createFramePiece(q, "top_edge_widget", Qt::SizeVerCursor);
    bottomEdge = createFramePiece(q, "bottom_edge_widget", Qt::SizeVerCursor);
    cornerGrip = createFramePiece(q, "corner_grip_widget", Qt::SizeFDiagCursor);
    for (QWidget *piece : {leftEdge, rightEdge, topEdge, bottomEdge, cornerGrip})
        piece->installEventFilter(q);

    auto titleLabel = new QLabel(q->windowTitle(), q);
    titleLabel->setObjectName(QStringLiteral("title_label"));
    titleLabel->setIndent(9);
    QObject::connect(q, &QWidget::windowTitleChanged, titleLabel, &QLabel::setText);
    titleLabel->installEventFilter(q);
    titleWidget = titleLabel;

    closeButton = new QPushButton(q);
    closeButton->setObjectName(QStringLiteral("close_pushButton"));
    closeButton->setFocusPolicy(Qt::NoFocus);
    QObject::connect(closeButton, &QPushButton::clicked, q, &QWidget::close);
    retranslate();

    titleSeparator = new QWidget(q);
    titleSeparator->setObjectName(QStringLiteral("title_separator_widget"));

    if (!resizable) {
        for (QWidget *piece : {leftEdge, rightEdge, topEdge, bottomEdge, cornerGrip})
            piece->setCursor(Qt::ArrowCursor);
    }

    applyStyles();
    if (VnDialog::stayTop())
        q->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    else
        q->setWindowFlags(q->windowFlags() | Qt::FramelessWindowHint);
    applyMargins();
    layoutFrame();
    q->setAttribute(Qt::WA_MouseTracking);
}

void VnDialogPrivate::applyStyles()
{
    const QString borderSheet = QStringLiteral("background: %1").arg(borderColor.name());
    for (QWidget *piece : {leftEdge, rightEdge, topEdge, bottomEdge, titleSeparator, cornerGrip})
        piece->setStyleSheet(borderSheet);
    if (titleWidget)
        titleWidget->setStyleSheet(QStringLiteral("background: %1").arg(titleColor.name()));
    closeButton->setIcon(QIcon(closeBtnPixmap));
    // At the image's own size: stretched to the default icon size, its "@2x" file would be resampled too.
    if (!closeBtnPixmap.isEmpty()) {
        const QSize imageSize = QImageReader(closeBtnPixmap).size();
        if (imageSize.isValid())
            closeButton->setIconSize(imageSize);
    }
    closeButton->setStyleSheet(QStringLiteral("QPushButton{background-color:%1;border:0px;}"
                                              "                                            "
                                              "QPushButton:hover{background-color:rgb(140,0,0);}")
                                   .arg(titleColor.name()));
}

void VnDialogPrivate::applyMargins()
{
    q->setContentsMargins(borderWidth, titleWidth + 2 * borderWidth, borderWidth, borderWidth);
}

void VnDialogPrivate::layoutFrame()
{
    const int w = q->width();
    const int h = q->height();
    const int b = borderWidth;
    const int t = titleWidth;
    leftEdge->setGeometry(0, 0, b, h);
    rightEdge->setGeometry(w - b, 0, b, h);
    topEdge->setGeometry(0, 0, w, b);
    bottomEdge->setGeometry(0, h - b, w - gripLength, b);
    cornerGrip->setGeometry(w - gripLength, h - b, gripLength, b);
    if (titleWidget)
        titleWidget->setGeometry(b, b, w - 2 * b - t, t);
    closeButton->setGeometry(w - b - t, b, t, t);
    titleSeparator->setGeometry(0, b + t, w, b);
}

void VnDialogPrivate::retranslate()
{
    // The button shows only an image: screen readers say its name.
    closeButton->setToolTip(VnDialog::tr("Close"));
    closeButton->setAccessibleName(closeButton->toolTip());
}

void VnDialogPrivate::resizeFromEdge(QObject *edge, const QPoint &globalPos)
{
    QRect r = q->geometry();
    // The size limits are tested strictly, so a drag stops one pixel short of either limit.
    const auto widthFits = [&] { return q->minimumWidth() < r.width() && r.width() < q->maximumWidth(); };
    const auto heightFits = [&] {
        return q->minimumHeight() < r.height() && r.height() < q->maximumHeight();
    };
    bool apply = false;
    if (edge == leftEdge) {
        r.setLeft(globalPos.x());
        apply = widthFits();
    } else if (edge == rightEdge) {
        r.setRight(globalPos.x());
        apply = widthFits();
    } else if (edge == topEdge) {
        r.setTop(globalPos.y());
        apply = heightFits();
    } else if (edge == bottomEdge) {
        r.setBottom(globalPos.y());
        apply = heightFits();
    } else if (edge == cornerGrip) {
        r.setBottom(globalPos.y());
        r.setRight(globalPos.x());
        apply = true;
    }
    if (apply)
        q->setGeometry(r);
}

Qt::Edges VnDialogPrivate::edgesOf(const QObject *piece) const
{
    if (piece == leftEdge)
        return Qt::LeftEdge;
    if (piece == rightEdge)
        return Qt::RightEdge;
    if (piece == topEdge)
        return Qt::TopEdge;
    if (piece == bottomEdge)
        return Qt::BottomEdge;
    if (piece == cornerGrip)
        return Qt::BottomEdge | Qt::RightEdge;
    return Qt::Edges();
}

VnDialog::VnDialog(QWidget *parent, bool resizable)
    : QDialog(parent)
    , d(new VnDialogPrivate(this, resizable))
{
    d->init();
}

VnDialog::~VnDialog() = default;

QString VnDialog::closeBtnPixmap() const
{
    return d->closeBtnPixmap;
}

void VnDialog::setCloseBtnPixmap(const QString &path)
{
    d->closeBtnPixmap = path;
    d->applyStyles();
}

QColor VnDialog::borderColor() const
{
    return d->borderColor;
}

void VnDialog::setBorderColor(const QColor &color)
{
    d->borderColor = color;
    d->applyStyles();
}

QColor VnDialog::titleColor() const
{
    return d->titleColor;
}

void VnDialog::setTitleColor(const QColor &color)
{
    d->titleColor = color;
    d->applyStyles();
}

int VnDialog::borderWidth() const
{
    return d->borderWidth;
}

void VnDialog::setBorderWidth(int width)
{
    if (width < 0) {
        qWarning("VnDialog::setBorderWidth: negative width %d taken as 0", width);
        width = 0;
    }
    d->borderWidth = width;
    d->applyMargins();
    d->layoutFrame();
}

int VnDialog::titleWidth() const
{
    return d->titleWidth;
}

void VnDialog::setTitleWidth(int width)
{
    if (width < 0) {
        qWarning("VnDialog::setTitleWidth: negative width %d taken as 0", width);
        width = 0;
    }
    d->titleWidth = width;
    d->applyMargins();
    d->layoutFrame();
}

void VnDialog::setTitleWidget(QWidget *widget)
{
    if (!widget) {
        qWarning("VnDialog::setTitleWidget: null widget ignored");
        return;
    }
    if (widget == d->titleWidget)
        return;
    delete d->titleWidget;
    d->titleWidget = widget;
    widget->setParent(this);
    widget->installEventFilter(this);
    d->applyStyles();
    update();
}

void VnDialog::setStayTop(bool on)
{
    if (!QCoreApplication::instance()) {
        qWarning("VnDialog::setStayTop: no application object, setting ignored");
        return;
    }
    QCoreApplication::instance()->setProperty(stayTopProperty, on);
}

bool VnDialog::stayTop()
{
    return QCoreApplication::instance() && QCoreApplication::instance()->property(stayTopProperty).toBool();
}

void VnDialog::setVisible(bool visible)
{
    if (visible)
        WindowPlacement::place(this, parentWidget());
    QDialog::setVisible(visible);
}

bool VnDialog::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    // Where the compositor places the windows, a press hands the resize or the move over to it and the
    // dialog never moves itself.
    const bool compositor =
        (type == QEvent::MouseButtonPress || type == QEvent::MouseMove) && SystemGesture::handles(this);
    if (type == QEvent::MouseMove && d->resizable && !compositor)
        d->resizeFromEdge(watched, static_cast<QMouseEvent *>(event)->globalPos());
    if (type == QEvent::MouseButtonPress && d->resizable && compositor && d->edgesOf(watched))
        SystemGesture::start(this, d->edgesOf(watched));

    if (watched == d->titleWidget) {
        if (type == QEvent::MouseButtonPress) {
            const auto press = static_cast<QMouseEvent *>(event);
            if (press->button() == Qt::LeftButton) {
                d->dragOffset = press->pos();
                if (compositor)
                    SystemGesture::start(this);
            }
        } else if (type == QEvent::MouseMove && !compositor) {
            // No button test: without mouse tracking the title widget sees moves only while a button is held.
            move(static_cast<QMouseEvent *>(event)->globalPos() - d->dragOffset);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void VnDialog::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    d->layoutFrame();
}

void VnDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        d->retranslate();
    QDialog::changeEvent(event);
}

class VnDialog2Private
{
public:
    explicit VnDialog2Private(VnDialog2 *dialog)
        : q(dialog)
    {}

    void placeOverlay();

    VnDialog2 *const q;
    QWidget *overlay = nullptr;
    // Borrowed, not owned: their owners may delete either while the overlay is shown.
    QPointer<QWidget> overlayWidget;
    QPointer<QWidget> overlayWidgetParent;
    bool overlayWidgetHadParent = false;
};

void VnDialog2Private::placeOverlay()
{
    overlay->resize(q->size());
    overlay->move(0, 0);
    if (overlayWidget) {
        // Halves round away from zero, also for a widget larger than the dialog.
        const QSize room = q->size() - overlayWidget->size();
        overlayWidget->move(int(std::lround(room.width() / 2.0)), int(std::lround(room.height() / 2.0)));
    }
}

VnDialog2::VnDialog2(QWidget *parent, bool resizable)
    : VnDialog(parent, resizable)
    , d(new VnDialog2Private(this))
{}

VnDialog2::~VnDialog2()
{
    hideOverlay();
}

void VnDialog2::showOverlay(QWidget *widget)
{
    if (d->overlay)
        return;
    // Created last among the children, the overlay covers the whole frame, title row included.
    d->overlay = new QWidget(this);
    d->overlay->setObjectName(QStringLiteral("overlay_widget"));
    d->overlay->setStyleSheet(QStringLiteral("background-color: rgba(20, 23, 27, 80%);"));
    if (widget) {
        d->overlayWidget = widget;
        d->overlayWidgetParent = widget->parentWidget();
        d->overlayWidgetHadParent = widget->parentWidget() != nullptr;
        widget->setParent(this);
    }
    d->placeOverlay();
    d->overlay->show();
    if (widget) {
        // A widget that already was a child of the dialog keeps its place in the stacking order when
        // re-parented, which is below the overlay created just now.
        widget->raise();
        widget->show();
    }
}

void VnDialog2::hideOverlay()
{
    if (!d->overlay)
        return;
    if (d->overlayWidget) {
        d->overlayWidget->hide();
        // With its former parent gone the widget stays with the dialog, which then deletes it, instead of
        // turning into an ownerless window.
        if (d->overlayWidgetParent || !d->overlayWidgetHadParent)
            d->overlayWidget->setParent(d->overlayWidgetParent);
    }
    delete d->overlay;
    d->overlay = nullptr;
    d->overlayWidget = nullptr;
    d->overlayWidgetParent = nullptr;
}

void VnDialog2::resizeEvent(QResizeEvent *event)
{
    if (d->overlay)
        d->placeOverlay();
    VnDialog::resizeEvent(event);
}
