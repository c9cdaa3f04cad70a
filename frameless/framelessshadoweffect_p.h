#ifndef ZEV_ORER_FRAMELESSSHADOWEFFECT_P_H
#define ZEV_ORER_FRAMELESSSHADOWEFFECT_P_H

// The drop shadow of the frameless containers' frame widget. Only the containers' shared code and the tests
// include this header.

#include "frameless_export.h"

#include <QGraphicsDropShadowEffect>

#include <memory>

class FramelessShadowEffectPrivate;

/// A QGraphicsDropShadowEffect for a container's frame widget that gives the same pixels at the cost of a
/// plain repaint: when the frame is an opaque rectangle or rounded rectangle it draws the shadow from pieces
/// blurred once per outline and colour, and the frame directly; any other outline takes the stock path. It
/// has no meta-object of its own, so it reports itself as the stock effect.
class FRAMELESS_EXPORT FramelessShadowEffect : public QGraphicsDropShadowEffect
{
public:
    /// A shadow for @p frame, the widget that the effect is to be set on.
    explicit FramelessShadowEffect(QWidget *frame);
    ~FramelessShadowEffect() override;

protected:
    void draw(QPainter *painter) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::unique_ptr<FramelessShadowEffectPrivate> const d;
};

#endif // ZEV_ORER_FRAMELESSSHADOWEFFECT_P_H
