// Logger throughput: messages per second through getLogger()->info(...) against a bare spdlog logger with the
// same sinks, pattern and flush policy, writing to its own file in the same folder, in the same run.
#include "logging.h"
#include "median.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <spdlog/pattern_formatter.h>
#include <spdlog/sinks/basic_file_sink.h>
#include <spdlog/sinks/stdout_sinks.h>
#include <spdlog/spdlog.h>

#include <cstdio>
#include <vector>

namespace {

constexpr int messages = 100000;
constexpr int rounds = 5;

template <typename Log> double messagesPerSecond(Log log)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < messages; ++i)
        log(i);
    return messages / (timer.nsecsElapsed() / 1e9);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    // The debugger-output stand-in writes to stderr; keep the terminal out of the measurement.
    std::freopen("/dev/null", "w", stderr);

    auto bare = std::make_shared<spdlog::logger>(
        "bare", spdlog::sinks_init_list{std::make_shared<spdlog::sinks::stderr_sink_st>(),
                                        std::make_shared<spdlog::sinks::basic_file_sink_st>(
                                            dir.filePath(QStringLiteral("bare.log")).toStdString(), false)});
    bare->set_formatter(
        std::make_unique<spdlog::pattern_formatter>("%+", spdlog::pattern_time_type::local, "\r\n"));
    bare->set_level(spdlog::level::trace);
    bare->flush_on(spdlog::level::trace);

    getLogger()->info("warm-up");
    std::vector<double> ours, baseline;
    for (int round = 0; round < rounds; ++round) {
        baseline.push_back(messagesPerSecond([&](int i) { bare->info("message {} of {}", i, "bench"); }));
        ours.push_back(messagesPerSecond([](int i) { getLogger()->info("message {} of {}", i, "bench"); }));
    }
    const double ratio = median(ours) / median(baseline);
    std::printf("logger throughput (median of %d rounds of %d messages)\n", rounds, messages);
    std::printf("  getLogger()->info : %10.0f msg/s\n", median(ours));
    std::printf("  bare spdlog logger: %10.0f msg/s\n", median(baseline));
    std::printf("  ratio             : %10.3f (goal >= 0.9)\n", ratio);
    return 0;
}
