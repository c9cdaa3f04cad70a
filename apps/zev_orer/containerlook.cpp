#include "containerlook.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>

namespace {

// Both container forms: the dialog's object names first, then the main window's. The applied theme leaves
// check boxes to the platform style, whose dark-on-dark indicator would vanish; they get the suite's images.
// Dialog buttons match the message box's: no icons, at least 100 x 25.
const char styleSheet[] = R"(
#frame_widget, #windowFrame { background: rgb(45,48,55); }
#frame_widget[border="true"] { border: 1px solid rgb(77,82,98); }
#frame_widget[borderRadius="true"] { border-radius: 6px; }
#titlebar_widget, #windowTitlebar { background: rgb(64,68,80); }
#titlebar_widget[windowState="Deactived-Normal"], #titlebar_widget[windowState="Deactived-Maximum"],
#windowTitlebar[windowState="Deactived-Normal"], #windowTitlebar[windowState="Deactived-Maximum"] {
    background: rgb(52,55,64);
}
#title_label, #titleText { background: transparent; color: rgb(200,200,216); }
#icon, #spacer { background: transparent; }
#minimize_toolButton, #maximize_toolButton, #restore_toolButton, #close_toolButton,
#minimizeButton, #maximizeButton, #restoreButton, #closeButton { border: none; background: transparent; }
#minimize_toolButton:hover, #maximize_toolButton:hover, #restore_toolButton:hover,
#minimizeButton:hover, #maximizeButton:hover, #restoreButton:hover { background: rgb(78,82,98); }
#close_toolButton:hover, #closeButton:hover { background: rgb(212,61,61); }
QDialogButtonBox { dialogbuttonbox-buttons-have-icons: 0; }
QDialogButtonBox QPushButton { min-width: 100px; min-height: 25px; }
QCheckBox { color: rgb(200,200,216); background: transparent; spacing: 6px; }
QCheckBox:disabled { color: rgb(104,107,113); }
QCheckBox::indicator { width: 20px; height: 20px; }
QCheckBox::indicator:unchecked { image: url(:/icon/checkbox_unchecked_20x20_s1.png); }
QCheckBox::indicator:checked { image: url(:/icon/checkbox_checked_20x20_s1.png); }
QCheckBox::indicator:indeterminate { image: url(:/icon/checkbox_indeterminate_20x20_s1.png); }
QCheckBox::indicator:unchecked:disabled { image: url(:/icon/checkbox_unchecked_disabled_20x20_s1.png); }
QCheckBox::indicator:checked:disabled { image: url(:/icon/checkbox_checked_disabled_20x20_s1.png); }
QCheckBox::indicator:indeterminate:disabled { image: url(:/icon/checkbox_indeterminate_disabled_20x20_s1.png); }
)";

enum class Glyph { Minimize, Maximize, Restore, Close };

QIcon drawGlyph(Glyph glyph)
{
    constexpr int side = 10;
    constexpr qreal scale = 2; // sharp on scaled screens too
    QPixmap pixmap(int(side * scale), int(side * scale));
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, glyph == Glyph::Close);
    painter.setPen(QPen(QColor(200, 200, 216), 1));
    switch (glyph) {
    case Glyph::Minimize:
        painter.drawLine(QPointF(0, 5.5), QPointF(side, 5.5));
        break;
    case Glyph::Maximize:
        painter.drawRect(QRectF(0.5, 0.5, side - 1, side - 1));
        break;
    case Glyph::Restore:
        painter.drawRect(QRectF(0.5, 2.5, side - 3, side - 3));
        painter.drawPolyline(QPolygonF(
            {{2.5, 2.5}, {2.5, 0.5}, {side - 0.5, 0.5}, {side - 0.5, side - 2.5}, {side - 2.5, side - 2.5}}));
        break;
    case Glyph::Close:
        painter.drawLine(QPointF(0.5, 0.5), QPointF(side - 0.5, side - 0.5));
        painter.drawLine(QPointF(side - 0.5, 0.5), QPointF(0.5, side - 0.5));
        break;
    }
    return QIcon(pixmap);
}

} // namespace

void decorateFramelessContainer(QWidget *container)
{
    if (!container)
        return;
    container->setStyleSheet(QString::fromLatin1(styleSheet));
    const std::pair<const char *, Glyph> buttons[] = {
        {"minimize_toolButton", Glyph::Minimize}, {"maximize_toolButton", Glyph::Maximize},
        {"restore_toolButton", Glyph::Restore},   {"close_toolButton", Glyph::Close},
        {"minimizeButton", Glyph::Minimize},      {"maximizeButton", Glyph::Maximize},
        {"restoreButton", Glyph::Restore},        {"closeButton", Glyph::Close},
    };
    for (const auto &[name, glyph] : buttons) {
        if (auto *button = container->findChild<QToolButton *>(QLatin1String(name))) {
            button->setIcon(drawGlyph(glyph));
            button->setIconSize(QSize(10, 10));
        }
    }
}
