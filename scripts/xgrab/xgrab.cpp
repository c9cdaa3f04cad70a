// Saves a picture of one X11 window (given by its id, as xdotool prints it) to a PNG file.
// Usage: zev_orer_xgrab <window id> <file.png>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <window id> <file.png>\n", argv[0]);
        return 2;
    }
    bool ok = false;
    const WId window = QByteArray(argv[1]).toULongLong(&ok, 0);
    if (!ok) {
        std::fprintf(stderr, "%s: not a window id: %s\n", argv[0], argv[1]);
        return 2;
    }
    const QPixmap picture = app.primaryScreen()->grabWindow(window);
    if (picture.isNull() || !picture.save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "%s: could not save window %s to %s\n", argv[0], argv[1], argv[2]);
        return 1;
    }
    return 0;
}
