#ifndef ZEV_ORER_WINDOWDRAGGER_H
#define ZEV_ORER_WINDOWDRAGGER_H

#include "frameless_export.h"

#include <QWidget>

#include <memory>

class WindowDraggerPrivate;

/// The title bar of a frameless window: dragging it with any mouse button moves the window, which is the
/// dragger's grandparent, unless that window is maximised. It paints itself through the style, so style
/// sheets reach it.
class FRAMELESS_EXPORT WindowDragger : public QWidget
{
    Q_OBJECT

public:
    /// Creates the dragger as a child of @p parent.
    explicit WindowDragger(QWidget *parent = nullptr);
    ~WindowDragger() override;

signals:
    /// Raised on every double click on the dragger; the owner decides what it means.
    void doubleClicked();

protected:
    /// Starts a drag: remembers where the press was and, unless it is maximised, where the window stood; on
    /// Wayland hands the move to the compositor instead.
    void mousePressEvent(QMouseEvent *event) override;
    /// Ends the drag.
    void mouseReleaseEvent(QMouseEvent *event) override;
    /// Emits doubleClicked() instead of starting another drag.
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    /// During a drag, moves the window by the distance the mouse has gone since the press, unless it is
    /// maximised.
    void mouseMoveEvent(QMouseEvent *event) override;
    /// Paints the widget's background through the style, as style sheets describe it.
    void paintEvent(QPaintEvent *event) override;

private:
    std::unique_ptr<WindowDraggerPrivate> const d;
};

#endif // ZEV_ORER_WINDOWDRAGGER_H
