#ifndef ZEV_ORER_STYLESHEET_H
#define ZEV_ORER_STYLESHEET_H

#include <QString>

class QApplication;

/// Makes the stylesheet stored at @p resourcePath the application-wide stylesheet. A path that cannot be read
/// gives an empty sheet, so the application keeps Qt's default look; text after an embedded zero byte is
/// ignored.
void applyStyleSheetResource(QApplication &app, const QString &resourcePath);

#endif // ZEV_ORER_STYLESHEET_H
