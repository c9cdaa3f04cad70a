#include "windowdragger.h"

#include "systemgesture_p.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

class WindowDraggerPrivate
{
public:
    explicit WindowDraggerPrivate(WindowDragger *owner)
        : q(owner)
    {}

    /// The window the dragger moves: its grandparent, or null.
    QWidget *movedWindow() const
    {
        QWidget *parent = q->parentWidget();
        return parent ? parent->parentWidget() : nullptr;
    }

    WindowDragger *const q;
    QPoint mousePressPos;
    QPoint windowPosAtPress;
    bool mousePressed = false;
};

WindowDragger::WindowDragger(QWidget *parent)
    : QWidget(parent)
    , d(std::make_unique<WindowDraggerPrivate>(this))
{}

WindowDragger::~WindowDragger() = default;

void WindowDragger::mousePressEvent(QMouseEvent *event)
{
    d->mousePressed = true;
    d->mousePressPos = event->globalPos();
    QWidget *window = d->movedWindow();
    if (window && !window->isMaximized()) {
        d->windowPosAtPress = window->pos();
        // Where the compositor places the windows, the press hands the move over to it.
        if (SystemGesture::handles(window))
            SystemGesture::start(window);
    }
}

void WindowDragger::mouseReleaseEvent(QMouseEvent *)
{
    d->mousePressed = false;
}

void WindowDragger::mouseDoubleClickEvent(QMouseEvent *)
{
    // Not passed on: the second press of a double click must not start a drag.
    emit doubleClicked();
}

void WindowDragger::mouseMoveEvent(QMouseEvent *event)
{
    QWidget *window = d->movedWindow();
    if (!window || window->isMaximized() || !d->mousePressed || SystemGesture::handles(window))
        return;
    window->move(d->windowPosAtPress - d->mousePressPos + event->globalPos());
}

void WindowDragger::paintEvent(QPaintEvent *)
{
    QStyleOption option;
#if QT_VERSION >= QT_VERSION_CHECK(5, 13, 0)
    option.initFrom(this);
#else
    option.init(this);
#endif
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}
