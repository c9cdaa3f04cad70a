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
    void appendToFullArray();
    void receiversReenterTheTree();
    void concurrentAppends();
    void mixedOperationsFromManyThreads();
};

namespace {

// Logs the tree's reports; the tree's channel keeps the log alive.
std::shared_ptr<QStringList> record(const Tree &tree)
{
    auto log = std::make_shared<QStringList>();
    tree->valueChangedSignal().connect([log](std::string key) { *log << QString::fromStdString(key); });
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
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("written");
    QTest::addColumn<QStringList>("leftByRemove");

    // The store also holds "G/other" and "other". QSettings drops the empty levels of a full key, so an empty
    // key names the tree's own group.
    const QStringList others{"G/other", "other"};
    QTest::newRow("empty") << QByteArray() << "v" << QStringList{"G", "G/other", "other"}
                           << QStringList{"other"};
    QTest::newRow("double slash") << QByteArray("a//b") << "v" << QStringList{"G/a/b", "G/other", "other"}
                                  << others;
    QTest::newRow("non-ASCII") << QByteArray("größe/值") << "größe 值"
                               << QStringList{"G/größe/值", "G/other", "other"} << others;
    // Bytes that are no UTF-8 become U+FFFD, so such keys share one name.
    QTest::newRow("invalid UTF-8") << QByteArray("k\xff") << "v"
                                   << QStringList{"G/k\uFFFD", "G/other", "other"} << others;
}

void tst_RegistrySettingsTree::unusualKeys()
{
    QFETCH(QByteArray, key);
    QFETCH(QString, value);
    QFETCH(QStringList, written);
    QFETCH(QStringList, leftByRemove);

    QSettings().setValue("G/other", "o");
    QSettings().setValue("other", "o");
    // A group's tree is a sub-tree of a root that is gone before it is used.
    const Tree tree = std::make_shared<RegistrySettingsTree>("")->child("G");
    const auto log = record(tree);
    tree->set(key.toStdString(), value.toStdString());
    QStringList keys = QSettings().allKeys();
    keys.sort();
    QCOMPARE(keys, written);
    // The others sort after the tree's full key.
    QCOMPARE(QSettings().value(written.first()).toString(), value);
    QCOMPARE(QString::fromStdString(tree->get(key.toStdString(), "")), value);

    tree->remove(key.toStdString());
    QCOMPARE(QSettings().allKeys(), leftByRemove);
    // Reported as given, whatever QSettings made of the key.
    QCOMPARE(*log, QStringList({QString::fromUtf8(key), QString::fromUtf8(key)}));
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
    tree->set("k", "v");
    tree->append("L", "x");
    tree->append("L", "y");
    QCOMPARE(*log, QStringList({"k", "copy", "L/0", "L", "L/1", "L"}));
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
