#include "stackedwidget.h"

class VNStackedWidgetPrivate
{
public:
    explicit VNStackedWidgetPrivate(VNStackedWidget *q)
        : q(q)
    {}

    void init();

    VNStackedWidget *const q;
    MyStackedLayout *layout = nullptr;
    bool autoAdjustSize = false;
};

void VNStackedWidgetPrivate::init()
{
    layout = new MyStackedLayout(q);
    QObject::connect(layout, &QStackedLayout::widgetRemoved, q, &VNStackedWidget::widgetRemoved);
    QObject::connect(layout, &QStackedLayout::currentChanged, q, [this](int index) {
        // Receivers of currentChanged() already see the stack at the new page's size.
        if (autoAdjustSize)
            q->adjustSize();
        Q_EMIT q->currentChanged(index);
    });
}

VNStackedWidget::VNStackedWidget(QWidget *parent)
    : QFrame(parent)
    , d(new VNStackedWidgetPrivate(this))
{
    d->init();
}

VNStackedWidget::~VNStackedWidget() = default;

int VNStackedWidget::addWidget(QWidget *page)
{
    page->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    return d->layout->addWidget(page);
}

int VNStackedWidget::insertWidget(int index, QWidget *page)
{
    return d->layout->insertWidget(index, page);
}

void VNStackedWidget::removeWidget(QWidget *page)
{
    d->layout->removeWidget(page);
}

QWidget *VNStackedWidget::currentWidget() const
{
    return d->layout->currentWidget();
}

int VNStackedWidget::currentIndex() const
{
    return d->layout->currentIndex();
}

int VNStackedWidget::indexOf(QWidget *page) const
{
    return d->layout->indexOf(page);
}

QWidget *VNStackedWidget::widget(int index) const
{
    return d->layout->widget(index);
}

int VNStackedWidget::count() const
{
    return d->layout->count();
}

bool VNStackedWidget::autoAdjustSize() const
{
    return d->autoAdjustSize;
}

void VNStackedWidget::setAutoAdjustSize(bool on)
{
    d->autoAdjustSize = on;
    adjustSize();
}

QSize VNStackedWidget::sizeHint() const
{
    return QFrame::sizeHint();
}

void VNStackedWidget::setCurrentIndex(int index)
{
    d->layout->setCurrentIndex(index);
}

void VNStackedWidget::setCurrentWidget(QWidget *w)
{
    if (Q_UNLIKELY(d->layout->indexOf(w) == -1)) {
        // Same text as QStackedWidget, so code moved over from it keeps its diagnostics.
        qWarning("QStackedWidget::setCurrentWidget: widget %p not contained in stack",
                 static_cast<void *>(w));
        return;
    }
    d->layout->setCurrentWidget(w);
}

void VNStackedWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
}

MyStackedLayout::~MyStackedLayout() = default;

namespace {

// While the stack is being destroyed it is no longer a VNStackedWidget, and the layout falls back to the
// standard rule.
bool followsCurrentPage(const QStackedLayout *layout)
{
    const auto *stack = qobject_cast<const VNStackedWidget *>(layout->parent());
    return stack && stack->autoAdjustSize();
}

} // namespace

QSize MyStackedLayout::sizeHint() const
{
    if (!followsCurrentPage(this))
        return QStackedLayout::sizeHint();
    // The page's present size rather than its hint: a page comes back at the size it was left with.
    const QWidget *page = currentWidget();
    return page ? page->size() : QSize();
}

QSize MyStackedLayout::minimumSize() const
{
    if (!followsCurrentPage(this))
        return QStackedLayout::minimumSize();
    const QWidget *page = currentWidget();
    return page ? page->minimumSize() : QSize();
}

void MyStackedLayout::setGeometry(const QRect &rect)
{
    QWidget *page = currentWidget();
    if (page && page != laidOutPage && followsCurrentPage(this)) {
        // Showing a new page lays the stack out before the change is announced; fitting the page into the
        // stack's old size there would lose the very size that the stack is about to take from it.
        laidOutPage = page;
        page->move(rect.topLeft());
        return;
    }
    laidOutPage = page;
    QStackedLayout::setGeometry(rect);
}
