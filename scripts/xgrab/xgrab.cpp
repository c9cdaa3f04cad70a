// Looks at one X11 window (given by its id, as xdotool prints it) the way a user does, from its pixels:
//
//     zev_orer_xgrab <window id> <file.png>      saves a picture of the window
//     zev_orer_xgrab --buttons <window id>       prints "x y width height" of each enabled push button, in
//                                                window pixels, row by row from the top left
//
// A push button is found by its face, a patch of the applied theme's button colour large enough to hold a
// label; hovered, pressed and disabled buttons have other colours and are not listed.
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const QRgb buttonFace = qRgb(78, 82, 98);

// The bounding boxes of the 4-connected patches of the button face colour that are large enough for a label.
std::vector<QRect> buttonFaces(const QImage &image)
{
    std::vector<QRect> found;
    std::vector<bool> seen(size_t(image.width()) * size_t(image.height()));
    const auto isFace = [&](int x, int y) {
        return (image.pixel(x, y) & 0xffffff) == (buttonFace & 0xffffff);
    };
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (seen[size_t(y) * image.width() + x] || !isFace(x, y))
                continue;
            QRect box(x, y, 1, 1);
            int pixels = 0;
            std::vector<QPoint> stack{{x, y}};
            seen[size_t(y) * image.width() + x] = true;
            while (!stack.empty()) {
                const QPoint p = stack.back();
                stack.pop_back();
                ++pixels;
                box |= QRect(p, QSize(1, 1));
                for (const QPoint &n :
                     {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)}) {
                    if (!image.rect().contains(n) || seen[size_t(n.y()) * image.width() + n.x()] ||
                        !isFace(n.x(), n.y()))
                        continue;
                    seen[size_t(n.y()) * image.width() + n.x()] = true;
                    stack.push_back(n);
                }
            }
            if (box.width() >= 40 && box.height() >= 16 && pixels >= box.width() * box.height() / 2)
                found.push_back(box);
        }
    }
    // Reading order: rows by their top, then left to right; buttons of one row start within a few pixels.
    std::sort(found.begin(), found.end(), [&](const QRect &a, const QRect &b) {
        if (std::abs(a.top() - b.top()) > 4)
            return a.top() < b.top();
        return a.left() < b.left();
    });
    return found;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const bool buttons = argc == 3 && QByteArray(argv[1]) == "--buttons";
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <window id> <file.png> | --buttons <window id>\n", argv[0]);
        return 2;
    }
    bool ok = false;
    const WId window = QByteArray(argv[buttons ? 2 : 1]).toULongLong(&ok, 0);
    if (!ok) {
        std::fprintf(stderr, "%s: not a window id: %s\n", argv[0], argv[buttons ? 2 : 1]);
        return 2;
    }
    const QPixmap picture = app.primaryScreen()->grabWindow(window);
    if (picture.isNull()) {
        std::fprintf(stderr, "%s: could not grab window %s\n", argv[0], argv[buttons ? 2 : 1]);
        return 1;
    }
    if (buttons) {
        for (const QRect &box : buttonFaces(picture.toImage()))
            std::printf("%d %d %d %d\n", box.x(), box.y(), box.width(), box.height());
        return 0;
    }
    if (!picture.save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "%s: could not save window %s to %s\n", argv[0], argv[1], argv[2]);
        return 1;
    }
    return 0;
}
