// Throughput of RegistrySettingsTree against a bare QSettings object that makes the same reads and writes on
// the same store, in a throw-away configuration folder. Prints operations per second and tree/QSettings
// ratios.
#include "registrysettingstree.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int keyCount = 1000;
constexpr int operations = 20000;
constexpr int rounds = 7;

struct Rates
{
    double tree = 0;
    double bare = 0;
};

double timeRound(const std::function<void(int)> &body)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < operations; ++i)
        body(i);
    return operations * 1e9 / std::max<qint64>(timer.nsecsElapsed(), 1);
}

// Best of several rounds in operations per second; the two sides take turns, so that both see the same load
// of the machine. prepare(round) runs untimed before each round of either side.
Rates compare(const std::function<void(int)> &prepare, const std::function<void(int)> &tree,
              const std::function<void(int)> &bare)
{
    Rates best;
    for (int round = 0; round < rounds; ++round) {
        prepare(round);
        best.tree = std::max(best.tree, timeRound(tree));
        prepare(round);
        best.bare = std::max(best.bare, timeRound(bare));
    }
    return best;
}

void report(const char *name, const Rates &rates, const char *goal)
{
    std::printf("%-20s tree %10.0f ops/s   QSettings %10.0f ops/s   ratio %.2f%s\n", name, rates.tree,
                rates.bare, rates.tree / rates.bare, goal);
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir config;
    if (!config.isValid()) {
        std::fprintf(stderr, "bench_settingstree: no temporary folder\n");
        return 1;
    }
    // Before the application object exists, so that QSettings never sees the user's own folder.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName("zev_orer-bench");
    QCoreApplication::setApplicationName("bench_settingstree");

    const auto tree = std::make_shared<RegistrySettingsTree>(QStringLiteral("G"));
    QSettings bare;
    // The caller's keys and values are UTF-8 std::string for both: the baseline converts them as the tree
    // must, but only as often as a caller of QSettings would.
    std::vector<std::string> keys;
    std::vector<std::string> fullKeys;
    for (int i = 0; i < keyCount; ++i) {
        keys.push_back("group" + std::to_string(i % 10) + "/key" + std::to_string(i));
        fullKeys.push_back("G/" + keys.back());
        tree->set(keys.back(), "value" + std::to_string(i));
    }
    const std::string values[2] = {"first value", "second value"};
    const auto fromUtf8 = [](const std::string &text) {
        return QString::fromUtf8(text.data(), int(text.size()));
    };
    const auto bareGet = [&](const std::string &fullKey) {
        return bare.value(fromUtf8(fullKey), QString()).toString().toStdString();
    };
    // A caller's set: the key and the value converted once each, the stored text compared as it is read.
    const auto bareSet = [&](const std::string &fullKey, const std::string &value) {
        const QString key = fromUtf8(fullKey);
        const QString text = fromUtf8(value);
        if (bare.value(key, QString()).toString() != text)
            bare.setValue(key, text);
    };
    const auto noPreparation = [](int) {};
    std::size_t sink = 0;

    report("get",
           compare(
               noPreparation, [&](int i) { sink += tree->get(keys[i % keyCount], "").size(); },
               [&](int i) { sink += bareGet(fullKeys[i % keyCount]).size(); }),
           "  (goal >= 0.80)");

    // Each pass over the keys writes the other value, so every set changes what is stored.
    report("set (changed)",
           compare(
               noPreparation, [&](int i) { tree->set(keys[i % keyCount], values[(i / keyCount) % 2]); },
               [&](int i) { bareSet(fullKeys[i % keyCount], values[(i / keyCount) % 2]); }),
           "  (goal >= 0.80)");

    // The same on a tree over the whole store, in a store that holds nothing but the one key, which takes the
    // other value on every call. The store's lookups cost far less there than among a thousand keys, so the
    // work the tree adds to each call weighs more.
    const auto rootTree = std::make_shared<RegistrySettingsTree>(QString());
    const std::string rootKey = "group/value";
    report("set (changed, root)",
           compare([&](int) { bare.clear(); }, [&](int i) { rootTree->set(rootKey, values[i % 2]); },
                   [&](int i) { bareSet(rootKey, values[i % 2]); }),
           "  (goal >= 0.80)");

    const auto storeFirstValue = [&](int) {
        for (const std::string &fullKey : fullKeys)
            bare.setValue(fromUtf8(fullKey), fromUtf8(values[0]));
    };
    report("set (unchanged)",
           compare(
               storeFirstValue, [&](int i) { tree->set(keys[i % keyCount], values[0]); },
               [&](int i) { bareSet(fullKeys[i % keyCount], values[0]); }),
           "");

    // Every round appends to an emptied array, so both sides see arrays of the same sizes.
    const auto emptyArray = [&](int) { bare.remove(QStringLiteral("G/L")); };
    report("append",
           compare(
               emptyArray, [&](int i) { tree->append("L", values[i % 2]); },
               [&](int i) {
                   const int count = bare.value(QStringLiteral("G/L/array_count"), 0).toInt();
                   bareSet("G/L/" + std::to_string(count), values[i % 2]);
                   bare.setValue(QStringLiteral("G/L/array_count"), count + 1);
               }),
           "");

    return sink == 0 ? 1 : 0;
}
