// Time from process start to the first shown window, and peak resident memory, of zev_orer against a minimal
// QApplication + QDialog program built in the same tree. Both carry the same probe; each is started several
// times in alternation and the medians are compared.
#include "median.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <cstdio>
#include <vector>

namespace {

constexpr int runs = 9;

struct Sample
{
    double milliseconds = 0;
    double residentKb = 0;
};

bool measure(const QString &program, Sample &sample)
{
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(program, QStringList());
    while (process.waitForReadyRead(10000)) {
        if (process.canReadLine()) {
            const QByteArray line = process.readLine();
            sample.milliseconds = timer.nsecsElapsed() / 1e6;
            if (!line.startsWith("shown "))
                return false;
            sample.residentKb = line.mid(6).trimmed().toDouble();
            return process.waitForFinished(10000);
        }
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString programs[2] = {QStringLiteral(ZEV_ORER_STARTUP_PROGRAM),
                                 QStringLiteral(ZEV_ORER_MINIMAL_PROGRAM)};
    std::vector<double> time[2], memory[2];
    for (int run = 0; run < runs; ++run) {
        for (int i = 0; i < 2; ++i) {
            Sample sample;
            if (!measure(programs[i], sample)) {
                std::fprintf(stderr, "%s did not report a shown window\n", qPrintable(programs[i]));
                return 1;
            }
            time[i].push_back(sample.milliseconds);
            memory[i].push_back(sample.residentKb);
        }
    }
    std::printf("start to first shown window (median of %d runs)\n", runs);
    std::printf("  zev_orer       : %8.1f ms  peak RSS %8.0f kB\n", median(time[0]), median(memory[0]));
    std::printf("  minimal dialog : %8.1f ms  peak RSS %8.0f kB\n", median(time[1]), median(memory[1]));
    std::printf("  time ratio     : %8.3f (goal <= 1.2)\n", median(time[0]) / median(time[1]));
    std::printf("  memory ratio   : %8.3f (goal <= 1.2)\n", median(memory[0]) / median(memory[1]));
    return 0;
}
