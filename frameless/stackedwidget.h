#ifndef VNSTACKEDWIDGET_H
#define VNSTACKEDWIDGET_H

#include "frameless_export.h"

#include <QFrame>
#include <QPointer>
#include <QStackedLayout>

#include <memory>

class VNStackedWidgetPrivate;

/// A page stack with the programming interface of QStackedWidget. With autoAdjustSize on, the stack takes its
/// size from the page being shown instead of the largest page, so wizard-like windows grow and shrink per
/// page.
class FRAMELESS_EXPORT VNStackedWidget : public QFrame
{
    Q_OBJECT
    /// The index of the page shown; see currentIndex().
    Q_PROPERTY(int currentIndex READ currentIndex WRITE setCurrentIndex NOTIFY currentChanged)
    /// The number of pages; see count().
    Q_PROPERTY(int count READ count)
    /// Whether the stack's size follows the page shown; see autoAdjustSize().
    Q_PROPERTY(bool autoAdjustSize READ autoAdjustSize WRITE setAutoAdjustSize)

public:
    /// Creates an empty stack with autoAdjustSize off.
    explicit VNStackedWidget(QWidget *parent = nullptr);
    ~VNStackedWidget() override;

    /// Appends @p page with the Ignored size policy in both directions, so that pages added this way never
    /// enlarge the stack by their size hints; returns the page's index.
    int addWidget(QWidget *page);
    /// Inserts @p page at @p index (appends when out of range) keeping its size policy; returns its index.
    int insertWidget(int index, QWidget *page);
    /// Takes @p page out of the stack without deleting it; widgetRemoved() reports its former index.
    void removeWidget(QWidget *page);

    /// Returns the page shown, or nullptr when the stack is empty.
    QWidget *currentWidget() const;
    /// Returns the index of the page shown, or -1 when the stack is empty.
    int currentIndex() const;
    /// Returns the index of @p page, or -1 when it is not a page of this stack.
    int indexOf(QWidget *page) const;
    /// Returns the page at @p index, or nullptr when there is none.
    QWidget *widget(int index) const;
    /// Returns the number of pages.
    int count() const;

    /// Returns whether the stack's size follows the page shown.
    bool autoAdjustSize() const;
    /// Makes the stack's size follow the page shown (@p on) or the largest page, and resizes the stack at
    /// once.
    void setAutoAdjustSize(bool on);

    /// Returns the layout's size hint plus the frame's margins.
    QSize sizeHint() const override;

public Q_SLOTS:
    /// Shows the page at @p index; an index without a page changes nothing.
    void setCurrentIndex(int index);
    /// Shows @p w; a widget that is not a page gets a warning and changes nothing.
    void setCurrentWidget(QWidget *w);

Q_SIGNALS:
    /// The page shown changed to @p index (-1 once the last page is gone); with autoAdjustSize on, the stack
    /// has already taken the new page's size.
    void currentChanged(int);
    /// The page at @p index left the stack.
    void widgetRemoved(int index);

protected:
    /// Handles the resize as QWidget does; the layout then fits the page shown into the new size.
    void resizeEvent(QResizeEvent *event) override;

private:
    std::unique_ptr<VNStackedWidgetPrivate> const d;
};

/// The layout of VNStackedWidget. While the stack's autoAdjustSize is on, its size hint is the current page's
/// present size and its minimum size the page's minimum size (both invalid without pages); otherwise it
/// follows QStackedLayout. Only meant to be installed on a VNStackedWidget.
class FRAMELESS_EXPORT MyStackedLayout : public QStackedLayout
{
public:
    using QStackedLayout::QStackedLayout;
    ~MyStackedLayout() override;

    /// The current page's present size while autoAdjustSize is on, QStackedLayout's hint otherwise.
    QSize sizeHint() const override;
    /// The current page's minimum size while autoAdjustSize is on, QStackedLayout's otherwise.
    QSize minimumSize() const override;
    /// Fits the current page into @p rect, except a page just made current while autoAdjustSize is on: that
    /// one keeps its size, which the stack is about to take.
    void setGeometry(const QRect &rect) override;

private:
    QPointer<QWidget> laidOutPage;
};

#endif // VNSTACKEDWIDGET_H
