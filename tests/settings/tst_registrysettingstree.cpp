#include "registrysettingstree.h"

#include <QtTest>

#include <limits>
#include <thread>
#include <type_traits>
#include <vector>

using Tree = std::shared_ptr<ISettingsTree>;

class tst_RegistrySettingsTree : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void unusualKeys_data();
    void unusualKeys();
    void unchangedValue_data();
    void unchangedValue();
    void arrays_data();
    void arrays();
    void appendToFullArray();
    void removeAndClear_data();
    void removeAndClear();
    void receiversReenterTheTree();
    void concurrentAppends();
    void mixedOperationsFromManyThreads();
};

namespace {

// Logs the tree's reports, clearing as "(cleared)"; the tree's channels keep the log alive.
std::shared_ptr<QStringList> record(const Tree &tree)
{
    auto log = std::make_shared<QStringList>();
    tree->valueChangedSignal().connect([log](std::string key) { *log << QString::fromStdString(key); });
    tree->clearedSignal().connect([log] { *log << "(cleared)"; });
    return log;
}

static_assert(std::is_same<decltype(std::declval<ISettingsTree &>().get("k", "")), std::string>::value,
              "a string literal default reads a string");

QStringList toStringList(const std::list<std::string> &list)
{
    QStringList result;
    for (const std::string &entry : list)
        result << QString::fromStdString(entry);
    return result;
}

} // namespace

void tst_RegistrySettingsTree::init()
{
    QCoreApplication::setOrganizationName("zev_orer-tests");
    QSettings().clear();
}

void tst_RegistrySettingsTree::unusualKeys_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QStringList>("written");
    QTest::addColumn<QString>("readBack");
    QTest::addColumn<QStringList>("leftByRemove");

    // The store also holds "G/other" and "other". QSettings drops the empty levels of a full key, so a key
    // that is empty or only slashes names the tree's own group, or on a tree over the whole store nothing to
    // write and everything to remove.
    const QStringList others{"G/other", "other"};
    QTest::newRow("empty, whole store") << "" << QByteArray() << others << "" << QStringList{};
    QTest::newRow("empty, group") << "G" << QByteArray() << QStringList{"G", "G/other", "other"} << "v"
                                  << QStringList{"other"};
    QTest::newRow("only slashes, group")
        << "G" << QByteArray("//") << QStringList{"G", "G/other", "other"} << "v" << QStringList{"other"};
    QTest::newRow("leading slash") << "G" << QByteArray("/k") << QStringList{"G/k", "G/other", "other"} << "v"
                                   << others;
    QTest::newRow("trailing slash") << "" << QByteArray("k/") << QStringList{"G/other", "k", "other"} << "v"
                                    << others;
    QTest::newRow("double slash") << "G" << QByteArray("a//b") << QStringList{"G/a/b", "G/other", "other"}
                                  << "v" << others;
    QTest::newRow("non-ASCII") << "G" << QByteArray("größe/值")
                               << QStringList{"G/größe/值", "G/other", "other"} << "v" << others;
    // Bytes that are no UTF-8 become U+FFFD, so such keys share one name.
    QTest::newRow("invalid UTF-8") << "G" << QByteArray("k\xff")
                                   << QStringList{"G/k\uFFFD", "G/other", "other"} << "v" << others;
}

void tst_RegistrySettingsTree::unusualKeys()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, key);
    QFETCH(QStringList, written);
    QFETCH(QString, readBack);
    QFETCH(QStringList, leftByRemove);

    QSettings().setValue("G/other", "o");
    QSettings().setValue("other", "o");
    // A group's tree is a sub-tree of a root that is gone before it is used.
    const Tree tree = path.isEmpty() ? std::make_shared<RegistrySettingsTree>(path)
                                     : std::make_shared<RegistrySettingsTree>("")->child(path.toStdString());
    const auto log = record(tree);
    if (path.isEmpty() && key.isEmpty()) {
        // Read by set() to compare, then written, then read below.
        QTest::ignoreMessage(QtWarningMsg, "QSettings::value: Empty key passed");
        QTest::ignoreMessage(QtWarningMsg, "QSettings::setValue: Empty key passed");
        QTest::ignoreMessage(QtWarningMsg, "QSettings::value: Empty key passed");
    }
    tree->set(key.toStdString(), "v");
    QStringList keys = QSettings().allKeys();
    keys.sort();
    QCOMPARE(keys, written);
    QCOMPARE(QString::fromStdString(tree->get(key.toStdString(), "")), readBack);

    tree->remove(key.toStdString());
    QCOMPARE(QSettings().allKeys(), leftByRemove);
    // Reported as given, whatever QSettings made of the key.
    QCOMPARE(*log, QStringList({QString::fromUtf8(key), QString::fromUtf8(key)}));
}

void tst_RegistrySettingsTree::unchangedValue_data()
{
    QTest::addColumn<QVariant>("before");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QVariant>("after");

    // An int stored under the key shows whether the tree wrote: a write leaves a string. A write is reported.
    QTest::newRow("same content") << QVariant(5) << "5" << QVariant(5);
    QTest::newRow("empty on missing key") << QVariant() << "" << QVariant();
    QTest::newRow("changed content") << QVariant(5) << "6" << QVariant("6");
    QTest::newRow("empty over content") << QVariant("x") << "" << QVariant("");
}

void tst_RegistrySettingsTree::unchangedValue()
{
    QFETCH(QVariant, before);
    QFETCH(QString, value);
    QFETCH(QVariant, after);

    if (before.isValid())
        QSettings().setValue("G/k", before);
    const Tree tree = std::make_shared<RegistrySettingsTree>("G");
    const auto log = record(tree);
    tree->set("k", value.toStdString());
    const QVariant now = QSettings().value("G/k");
    QCOMPARE(now.userType(), after.userType());
    QCOMPARE(now, after);
    QCOMPARE(*log, now == before ? QStringList{} : QStringList{"k"});
}

void tst_RegistrySettingsTree::arrays_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("appended"); // none: only read
    QTest::addColumn<QStringList>("reports");
    QTest::addColumn<QStringList>("elements");

    // The store holds G/Gap without element 1, G/Bad with a negative count and a stale element G/Stale/0.
    QTest::newRow("no array") << "None" << QVariant() << QStringList{} << QStringList{};
    QTest::newRow("negative count") << "Bad" << QVariant() << QStringList{} << QStringList{};
    QTest::newRow("missing element") << "Gap" << QVariant() << QStringList{} << QStringList{"a", "", "c"};
    QTest::newRow("append to no array")
        << "None" << QVariant("ä✓") << QStringList{"None/0", "None"} << QStringList{"ä✓"};
    // An element that already reads as the value is neither written nor reported.
    QTest::newRow("append empty first element")
        << "None" << QVariant("") << QStringList{"None"} << QStringList{""};
    QTest::newRow("append over a stale element")
        << "Stale" << QVariant("x") << QStringList{"Stale"} << QStringList{"x"};
    QTest::newRow("append after a missing element")
        << "Gap" << QVariant("d") << QStringList{"Gap/3", "Gap"} << QStringList{"a", "", "c", "d"};
}

void tst_RegistrySettingsTree::arrays()
{
    QFETCH(QString, key);
    QFETCH(QVariant, appended);
    QFETCH(QStringList, reports);
    QFETCH(QStringList, elements);

    const QVariantMap store{{"Gap/0", "a"}, {"Gap/2", "c"},          {"Gap/array_count", 3},
                            {"Bad/0", "a"}, {"Bad/array_count", -2}, {"Stale/0", "x"}};
    for (auto entry = store.cbegin(); entry != store.cend(); ++entry)
        QSettings().setValue("G/" + entry.key(), entry.value());
    const Tree tree = std::make_shared<RegistrySettingsTree>("G");
    const auto log = record(tree);
    if (appended.isValid())
        tree->append(key.toStdString(), appended.toString().toStdString());
    QCOMPARE(*log, reports);
    QCOMPARE(toStringList(tree->getList(key.toStdString())), elements);
}

void tst_RegistrySettingsTree::appendToFullArray()
{
    QSettings().setValue("G/L/array_count", std::numeric_limits<int>::max());
    const Tree tree = std::make_shared<RegistrySettingsTree>("G");
    const auto log = record(tree);
    QTest::ignoreMessage(QtWarningMsg, "RegistrySettingsTree::append: the array \"L\" is full");
    tree->append("L", "x");
    QCOMPARE(QSettings().allKeys(), QStringList{"G/L/array_count"});
    QCOMPARE(QSettings().value("G/L/array_count").toInt(), std::numeric_limits<int>::max());
    QCOMPARE(*log, QStringList{});
}

void tst_RegistrySettingsTree::removeAndClear_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("removed"); // none: clear
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<QStringList>("reports");

    QTest::newRow("array, group and missing key")
        << "G" << QStringList{"L", "c", "missing"} << QStringList{"G/L2", "H/k"}
        << QStringList{"L", "c", "missing"};
    QTest::newRow("clear group") << "G" << QStringList{} << QStringList{"H/k"} << QStringList{"(cleared)"};
    QTest::newRow("clear whole store") << "" << QStringList{} << QStringList{} << QStringList{"(cleared)"};
}

void tst_RegistrySettingsTree::removeAndClear()
{
    QFETCH(QString, path);
    QFETCH(QStringList, removed);
    QFETCH(QStringList, left);
    QFETCH(QStringList, reports);

    for (const char *key : {"G/L/0", "G/L/array_count", "G/L2", "H/k"})
        QSettings().setValue(key, 1);
    const Tree tree = std::make_shared<RegistrySettingsTree>(path);
    const Tree child = tree->child("c");
    child->set("k", "v");
    const auto log = record(tree);
    const auto childLog = record(child);
    for (const QString &key : removed)
        tree->remove(key.toStdString());
    if (removed.isEmpty())
        tree->clear();
    QCOMPARE(QSettings().allKeys(), left);
    // The handed-out sub-tree is still the cached one and still works, and its parent does not report it.
    QCOMPARE(tree->child("c"), child);
    child->set("k", "again");
    QCOMPARE(QSettings().allKeys().size(), left.size() + 1);
    QCOMPARE(*log, reports);
    QCOMPARE(*childLog, QStringList{"k"});
}

void tst_RegistrySettingsTree::receiversReenterTheTree()
{
    const Tree tree = std::make_shared<RegistrySettingsTree>("G");
    const auto log = record(tree);
    QStringList seenLists;
    tree->valueChangedSignal().connect([&tree, &seenLists](std::string key) {
        if (key == "k")
            tree->set("copy", tree->get("k", ""));
        else if (key == "L")
            seenLists << toStringList(tree->getList("L")).join(',');
    });
    // Disconnects itself in a nested emission while the outer one is about to call it, then writes.
    SettingsSignal<std::string>::Receiver once;
    once = tree->valueChangedSignal().connect([&tree, &once](std::string) {
        tree->valueChangedSignal().disconnect(once);
        tree->set("once", "1");
    });

    tree->set("k", "v");
    tree->append("L", "x");
    tree->append("L", "y");
    QCOMPARE(*log, QStringList({"k", "copy", "once", "L/0", "L", "L/1", "L"}));
    QCOMPARE(tree->get("copy", ""), "v");
    QCOMPARE(seenLists, QStringList({"x", "x,y"}));
}

void tst_RegistrySettingsTree::concurrentAppends()
{
    constexpr int threadCount = 8;
    constexpr int total = threadCount * 2000;
    const Tree tree = std::make_shared<RegistrySettingsTree>("G");
    int reports = 0; // unguarded on purpose: the channel's mutex must serialise the receivers
    tree->valueChangedSignal().connect([&reports](std::string) { ++reports; });

    std::vector<std::thread> threads;
    for (int t = 0; t < threadCount; ++t) {
        threads.emplace_back([&tree, t] {
            for (int i = 0; i < total / threadCount; ++i)
                tree->append("L", std::to_string(t) + '-' + std::to_string(i));
        });
    }
    for (std::thread &thread : threads)
        thread.join();

    const QStringList list = toStringList(tree->getList("L"));
    QCOMPARE(QSet<QString>(list.begin(), list.end()).size(), total);
    // Each append writes a new element: its key and then the array's key are reported.
    QCOMPARE(reports, 2 * total);
}

void tst_RegistrySettingsTree::mixedOperationsFromManyThreads()
{
    const Tree tree = std::make_shared<RegistrySettingsTree>("G");
    SettingsSignal<std::string> &changed = tree->valueChangedSignal();
    int appends = 0; // unguarded on purpose, as above
    changed.connect([&appends](std::string key) { appends += key == "list"; });
    const QDeadlineTimer deadline(2000);
    std::vector<std::thread> threads;
    for (int t = 0; t < 8; ++t) {
        threads.emplace_back([&, t] {
            QRandomGenerator random(quint32(t + 1));
            do {
                const std::string key = "k" + std::to_string(random.bounded(4));
                // Many sub-tree keys, so that new sub-trees keep being cached while others are looked up.
                const Tree child = tree->child("c" + std::to_string(random.bounded(512)));
                tree->set(key, std::to_string(random.bounded(3)));
                child->set(key, tree->get(key, "") + tree->get(key, std::string()));
                child->set("v", std::to_string(tree->get(key, 0) + child->get(key, false)));
                const int action = random.bounded(5);
                if (action == 0)
                    tree->append("list", key);
                else if (action == 1)
                    tree->getList("list");
                else if (action == 2)
                    tree->remove(key);
                else if (action == 3)
                    child->clear();
                else // receivers come and go while other threads report
                    changed.disconnect(changed.connect([](std::string) {}));
            } while (!deadline.hasExpired());
        });
    }
    for (std::thread &thread : threads)
        thread.join();
    QCOMPARE(int(tree->getList("list").size()), appends);
}

QTEST_GUILESS_MAIN(tst_RegistrySettingsTree)
#include "tst_registrysettingstree.moc"
