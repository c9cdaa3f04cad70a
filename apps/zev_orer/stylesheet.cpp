#include "stylesheet.h"

#include <QApplication>
#include <QFile>

void applyStyleSheetResource(QApplication &app, const QString &resourcePath)
{
    QFile file(resourcePath);
    // A sheet that cannot be opened is an empty one; reading the closed file would only add Qt's warning.
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    // Read as a zero-terminated string: a sheet with an embedded zero byte ends there.
    app.setStyleSheet(QString::fromUtf8(bytes.constData()));
}
