#ifndef ZEV_ORER_WINDOWDRAGGER_H
#define ZEV_ORER_WINDOWDRAGGER_H

#include <QWidget>

#include <memory>

class WindowDraggerPrivate;

/// The title bar of a frameless window: dragging it with any mouse button moves the window, which is the
/// dragger's grandparent, unless that window is maximised. It paints itself through the style, so style
/// sheets reach it.
class WindowDragger : public QWidget
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
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    std::unique_ptr<WindowDraggerPrivate> const d;
};

#endif // ZEV_ORER_WINDOWDRAGGER_H
