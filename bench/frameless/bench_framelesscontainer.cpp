// Costs of the frameless containers, offscreen unless QT_QPA_PLATFORM says otherwise, each against a baseline
// measured in the same run:
// - the application-wide event filter: non-mouse events and mouse moves sent to a plain widget with 0, 1 and
//   10 containers alive, against the same events with 1 and 10 do-nothing application filters (ns per event);
// - drawing under the compiled-in theme: a shadowed against an unshadowed dialog container, with square and
//   with rounded corners, at 1280x800 and 1920x1080, for a full repaint, the repaint after one button's
//   hover, and one step of an edge resize (ms).
#include "dialogframelesscontainer.h"
#include "mainwindowframelesscontainer.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int eventsPerBatch = 20000;
constexpr int filterRounds = 25;
constexpr int drawSamples = 15;

// A drawing cost in milliseconds: the median of the samples, and the best one, which other load on the
// machine does not inflate.
struct Timing
{
    double median;
    double best;
};

Timing timeMs(const std::function<void()> &body)
{
    std::vector<double> times;
    for (int sample = 0; sample < drawSamples; ++sample) {
        QElapsedTimer timer;
        timer.start();
        body();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return {times[drawSamples / 2], times.front()};
}

class DoNothingFilter : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *) override { return false; }
};

// The five set-ups: no filter, 1 and 10 do-nothing filters, 1 and 10 containers.
enum SetUp { Plain, OneFilter, TenFilters, OneContainer, TenContainers, SetUpCount };

// Nanoseconds per event of sendOne(i) in each set-up. The set-ups take turns within every round and the best
// batch counts, so that other load on the machine hits them alike and drops out.
std::array<double, SetUpCount> measureFilters(const std::function<void(int)> &sendOne)
{
    std::vector<std::unique_ptr<DoNothingFilter>> filters;
    std::vector<std::unique_ptr<VNMainWindowFramelessContainer>> containers;
    for (int i = 0; i < 10; ++i) {
        filters.push_back(std::make_unique<DoNothingFilter>());
        containers.push_back(std::make_unique<VNMainWindowFramelessContainer>());
        // Away from where the mouse moves: the steady state of windows the pointer is not over.
        containers.back()->setGeometry(900 + 20 * i, 100, 400, 300);
        qApp->removeEventFilter(containers.back().get());
    }
    const auto install = [&](SetUp setUp, bool on) {
        const int count = setUp == OneFilter || setUp == OneContainer ? 1 : setUp == Plain ? 0 : 10;
        for (int i = 0; i < count; ++i) {
            QObject *filter = setUp == OneFilter || setUp == TenFilters
                                  ? static_cast<QObject *>(filters[i].get())
                                  : containers[i].get();
            if (on)
                qApp->installEventFilter(filter);
            else
                qApp->removeEventFilter(filter);
        }
    };
    std::array<double, SetUpCount> best;
    best.fill(1e9);
    for (int round = 0; round < filterRounds; ++round) {
        for (int setUp = Plain; setUp < SetUpCount; ++setUp) {
            install(SetUp(setUp), true);
            QElapsedTimer timer;
            timer.start();
            for (int i = 0; i < eventsPerBatch; ++i)
                sendOne(i);
            best[setUp] = std::min(best[setUp], double(timer.nsecsElapsed()) / eventsPerBatch);
            install(SetUp(setUp), false);
        }
    }
    return best;
}

void reportFilters(const char *name, const std::array<double, SetUpCount> &c, const char *goal)
{
    std::printf("%s: no filter %.1f ns/event\n", name, c[Plain]);
    std::printf("   1 do-nothing filter  %6.1f    1 container  %6.1f   ratio %.2f\n", c[OneFilter],
                c[OneContainer], c[OneContainer] / c[OneFilter]);
    // What ten filters add to the dispatch, against what ten empty ones add.
    std::printf(
        "  10 do-nothing filters %6.1f   10 containers %6.1f   ratio %.2f   added-cost ratio %.2f%s\n",
        c[TenFilters], c[TenContainers], c[TenContainers] / c[TenFilters],
        (c[TenContainers] - c[Plain]) / (c[TenFilters] - c[Plain]), goal);
}

void benchFilter()
{
    QWidget target;
    target.setMouseTracking(true);
    target.setGeometry(0, 0, 500, 300);

    reportFilters("non-mouse events (timer)", measureFilters([&](int) {
                      QTimerEvent event(1);
                      QCoreApplication::sendEvent(&target, &event);
                  }),
                  "  (goal <= 1.50)");
    reportFilters("mouse moves", measureFilters([&](int i) {
                      const QPoint pos(i % 500, (i / 500) % 300);
                      QMouseEvent event(QEvent::MouseMove, pos, pos, Qt::NoButton, Qt::NoButton,
                                        Qt::NoModifier);
                      QCoreApplication::sendEvent(&target, &event);
                  }),
                  "");
}

// A dialog with a form of labels, fields and buttons, as an application puts into the container.
QDialog *formDialog(QWidget *parent, QPushButton **hovered)
{
    auto *dialog = new QDialog(parent);
    dialog->setWindowTitle(QStringLiteral("Settings"));
    auto *grid = new QGridLayout(dialog);
    for (int row = 0; row < 12; ++row) {
        grid->addWidget(new QLabel(QStringLiteral("Setting %1").arg(row)), row, 0);
        grid->addWidget(new QLineEdit(QStringLiteral("value %1").arg(row)), row, 1);
        grid->addWidget(new QPushButton(QStringLiteral("Change %1").arg(row)), row, 2);
    }
    *hovered = qobject_cast<QPushButton *>(grid->itemAtPosition(5, 2)->widget());
    return dialog;
}

struct DrawCosts
{
    Timing fullRepaint;
    Timing hoverRepaint;
    Timing resizeStep;
};

DrawCosts measureDrawing(const QSize &size, bool shadow, bool rounded)
{
    VNDialogFramelessContainer container(1);
    QPushButton *button = nullptr;
    QDialog *dialog = formDialog(&container, &button);
    dialog->setGeometry(0, 0, size.width(), size.height());
    container.setDialog(dialog);
    container.setShadowEnabled(shadow);
    if (rounded)
        container.setBorderRadiusEnabled(true);
    container.setGeometry(0, 0, size.width(), size.height());
    container.show();
    if (!QTest::qWaitForWindowExposed(&container))
        std::fprintf(stderr, "bench_framelesscontainer: the container was not exposed\n");
    QCoreApplication::processEvents();

    DrawCosts costs{};
    // What an expose costs: the frame's outline has not changed, so the shadow comes from its cache.
    costs.fullRepaint = timeMs([&] { container.repaint(); });

    bool inside = false;
    costs.hoverRepaint = timeMs([&] {
        inside = !inside;
        QHoverEvent hover(inside ? QEvent::HoverEnter : QEvent::HoverLeave, QPointF(5, 5), QPointF(-1, -1));
        QCoreApplication::sendEvent(button, &hover);
        QCoreApplication::sendPostedEvents(&container, QEvent::UpdateRequest);
    });

    // Drag the right edge by one pixel at a time, outwards and back, through the container's filter.
    const QPoint edge = container.mapToGlobal(QPoint(container.width() - 3, container.height() / 2));
    QMouseEvent press(QEvent::MouseButtonPress, container.mapFromGlobal(edge), edge, Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&container, &press);
    int step = 0;
    costs.resizeStep = timeMs([&] {
        const QPoint to = edge + QPoint(++step % 2, 0);
        QMouseEvent move(QEvent::MouseMove, container.mapFromGlobal(to), to, Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(&container, &move);
        QCoreApplication::processEvents();
    });
    QMouseEvent release(QEvent::MouseButtonRelease, container.mapFromGlobal(edge), edge, Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&container, &release);
    return costs;
}

void benchDrawing()
{
    QFile theme(QStringLiteral(":/stylesheet/zevorer.qss"));
    theme.open(QIODevice::ReadOnly);
    // The program's rounded corners for a frame with the borderRadius property.
    qApp->setStyleSheet(QString::fromUtf8(theme.readAll()) +
                        QStringLiteral("#frame_widget[borderRadius=\"true\"] { border-radius: 6px; }"));
    std::printf(
        "drawing, ms, median (best) of %d; the ratio of the shadowed figure to the unshadowed one, for "
        "the hover to the unshadowed full repaint\n"
        "goals: ratios <= 1.50, shadowed figures <= 8 ms at 1920x1080\n",
        drawSamples);
    for (const QSize size : {QSize(1280, 800), QSize(1920, 1080)}) {
        for (const bool rounded : {false, true}) {
            const DrawCosts plain = measureDrawing(size, false, rounded);
            const DrawCosts shadowed = measureDrawing(size, true, rounded);
            const auto row = [](const char *name, const Timing &without, const Timing &with,
                                const Timing &baseline) {
                std::printf(
                    "  %-13s unshadowed %6.2f (%6.2f)   shadowed %6.2f (%6.2f)   ratio %6.2f (%6.2f)\n", name,
                    without.median, without.best, with.median, with.best, with.median / baseline.median,
                    with.best / baseline.best);
            };
            std::printf("%dx%d, %s corners\n", size.width(), size.height(), rounded ? "rounded" : "square");
            row("full repaint", plain.fullRepaint, shadowed.fullRepaint, plain.fullRepaint);
            row("button hover", plain.hoverRepaint, shadowed.hoverRepaint, plain.fullRepaint);
            row("resize step", plain.resizeStep, shadowed.resizeStep, plain.resizeStep);
        }
    }
    qApp->setStyleSheet(QString());
}

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchFilter();
    benchDrawing();
    return 0;
}
