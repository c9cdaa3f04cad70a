#include "stylesheet.h"

#include <QApplication>
#include <QFile>

void applyStyleSheetResource(QApplication &app, const QString &resourcePath)
{
    QFile file(resourcePath);
    file.open(QIODevice::ReadOnly);
    // Read as a zero-terminated string: a sheet with an embedded zero byte ends there.
    app.setStyleSheet(QString::fromUtf8(file.readAll().constData()));
}
