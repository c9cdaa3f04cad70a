#include "registrysettingstree.h"

#include <QtTest>

#include <atomic>
#include <limits>
#include <thread>
#include <type_traits>
#include <vector>

using Tree = std::shared_ptr<ISettingsTree>;

class tst_RegistrySettingsTree : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void fullKeys_data();
    void fullKeys();
    void unusualKeys_data();
    void unusualKeys();
    void childPaths();
    void childOutlivesItsParent();
    void unchangedValue_data();
    void unchangedValue();
    void getConversions_data();
    void getConversions();
    void appendToMissingArray();
    void appendEmptyStringToMissingArray();
    void appendOverStaleElement();
    void appendToFullArray();
    void getList_data();
    void getList();
    void removeArray();
    void removeChildGroup();
    void clearGroup();
    void clearWholeStore();
    void receiversReenterTheTree();

    void concurrentAppends();
    void mixedOperationsFromManyThreads();
};

namespace {

Tree makeTree(const QString &path)
{
    return std::make_shared<RegistrySettingsTree>(path);
}

// Logs every report of one tree: changed keys as they are, clearing as "(cleared)".
class Recorder
{
public:
    explicit Recorder(Tree tree)
        : tree(std::move(tree))
        , changed(this->tree->valueChangedSignal().connect(
              [this](std::string key) { log << QString::fromStdString(key); }))
        , cleared(this->tree->clearedSignal().connect([this] { log << "(cleared)"; }))
    {}
    ~Recorder()
    {
        tree->valueChangedSignal().disconnect(changed);
        tree->clearedSignal().disconnect(cleared);
    }

    QStringList take() { return std::exchange(log, {}); }

private:
    const Tree tree;
    QStringList log;
    const SettingsSignal<std::string>::Receiver changed;
    const SettingsSignal<>::Receiver cleared;
};

QVariant stored(const QString &fullKey)
{
    return QSettings().value(fullKey);
}

void store(const QString &fullKey, const QVariant &value)
{
    QSettings().setValue(fullKey, value);
}

QStringList toStringList(const std::list<std::string> &list)
{
    QStringList result;
    for (const std::string &entry : list)
        result << QString::fromStdString(entry);
    return result;
}

} // namespace

void tst_RegistrySettingsTree::initTestCase()
{
    QCoreApplication::setOrganizationName("zev_orer-tests");
    QCoreApplication::setApplicationName("tst_registrysettingstree");
    static_assert(std::is_same<decltype(std::declval<ISettingsTree &>().get("k", "")), std::string>::value,
                  "a string literal default reads a string");
}

void tst_RegistrySettingsTree::init()
{
    QSettings().clear();
    QVERIFY(QSettings().allKeys().isEmpty());
}

void tst_RegistrySettingsTree::fullKeys_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("fullKey");

    QTest::newRow("whole store") << ""
                                 << "k"
                                 << "k";
    QTest::newRow("group") << "G"
                           << "k"
                           << "G/k";
    QTest::newRow("nested group and key") << "G/H"
                                          << "a/b"
                                          << "G/H/a/b";
    QTest::newRow("non-ASCII key") << "G" << QString::fromUtf8("größe/值") << QString::fromUtf8("G/größe/值");
}

void tst_RegistrySettingsTree::fullKeys()
{
    QFETCH(QString, path);
    QFETCH(QString, key);
    QFETCH(QString, fullKey);

    const Tree tree = makeTree(path);
    Recorder recorder(tree);
    const std::string value = "Wert ✓";
    tree->set(key.toStdString(), value);
    QCOMPARE(stored(fullKey).toString(), QString::fromStdString(value));
    QCOMPARE(tree->get(key.toStdString(), ""), value);
    QCOMPARE(recorder.take(), QStringList{key});
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

    store("G/other", "o");
    store("other", "o");
    const Tree tree = makeTree(path);
    Recorder recorder(tree);
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
    QCOMPARE(recorder.take(), QStringList({QString::fromUtf8(key), QString::fromUtf8(key)}));
}

void tst_RegistrySettingsTree::childPaths()
{
    const Tree root = makeTree("");
    const Tree group = makeTree("G");
    Recorder groupRecorder(group);
    const Tree a = group->child("a");
    Recorder childRecorder(a);

    QCOMPARE(group->child("a"), a);
    QVERIFY(group->child("b") != a);
    a->set("k", "1");
    a->child("b")->set("k", "2");
    root->child("a")->set("k", "3");
    QCOMPARE(stored("G/a/k").toString(), "1");
    QCOMPARE(stored("G/a/b/k").toString(), "2");
    QCOMPARE(stored("a/k").toString(), "3");
    QCOMPARE(group->get("a/k", ""), "1");
    QCOMPARE(childRecorder.take(), QStringList{"k"});
    QCOMPARE(groupRecorder.take(), QStringList{});
}

void tst_RegistrySettingsTree::childOutlivesItsParent()
{
    Tree parent = makeTree("G");
    const Tree child = parent->child("a");
    const std::weak_ptr<ISettingsTree> watcher = parent;
    parent.reset();
    QVERIFY(watcher.expired());
    child->set("k", "v");
    QCOMPARE(stored("G/a/k").toString(), "v");
}

void tst_RegistrySettingsTree::unchangedValue_data()
{
    QTest::addColumn<QVariant>("before");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QVariant>("after");
    QTest::addColumn<bool>("reported");

    // An int stored under the key shows whether the tree wrote: a write leaves a string.
    QTest::newRow("same content") << QVariant(5) << "5" << QVariant(5) << false;
    QTest::newRow("empty on missing key") << QVariant() << "" << QVariant() << false;
    QTest::newRow("changed content") << QVariant(5) << "6" << QVariant("6") << true;
    QTest::newRow("empty over content") << QVariant("x") << "" << QVariant("") << true;
}

void tst_RegistrySettingsTree::unchangedValue()
{
    QFETCH(QVariant, before);
    QFETCH(QString, value);
    QFETCH(QVariant, after);
    QFETCH(bool, reported);

    if (before.isValid())
        store("G/k", before);
    const Tree tree = makeTree("G");
    Recorder recorder(tree);
    tree->set("k", value.toStdString());
    const QVariant now = stored("G/k");
    QCOMPARE(now.userType(), after.userType());
    QCOMPARE(now, after);
    QCOMPARE(recorder.take(), reported ? QStringList{"k"} : QStringList{});
}

void tst_RegistrySettingsTree::getConversions_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("asBool");
    QTest::addColumn<int>("asInt");
    QTest::addColumn<QString>("asString");

    // Defaults: true, 7, "literal" and "string".
    QTest::newRow("absent") << QVariant() << true << 7 << "literal";
    QTest::newRow("False") << QVariant("False") << false << 0 << "False";
    QTest::newRow("TRUE") << QVariant("TRUE") << true << 0 << "TRUE";
    QTest::newRow("0") << QVariant("0") << false << 0 << "0";
    QTest::newRow("empty") << QVariant("") << false << 0 << "";
    QTest::newRow("number") << QVariant("-42") << true << -42 << "-42";
    QTest::newRow("no number") << QVariant("abc") << true << 0 << "abc";
}

void tst_RegistrySettingsTree::getConversions()
{
    QFETCH(QVariant, value);
    QFETCH(bool, asBool);
    QFETCH(int, asInt);
    QFETCH(QString, asString);

    if (value.isValid())
        store("G/k", value);
    const Tree tree = makeTree("G");
    QCOMPARE(tree->get("k", true), asBool);
    QCOMPARE(tree->get("k", 7), asInt);
    QCOMPARE(QString::fromStdString(tree->get("k", "literal")), asString);
    const QString stringDefault = value.isValid() ? asString : "string";
    QCOMPARE(QString::fromStdString(tree->get("k", std::string("string"))), stringDefault);
}

void tst_RegistrySettingsTree::appendToMissingArray()
{
    const Tree tree = makeTree("G");
    Recorder recorder(tree);
    tree->append("L", "x");
    QCOMPARE(stored("G/L/0").toString(), "x");
    QCOMPARE(stored("G/L/array_count").toInt(), 1);
    QCOMPARE(recorder.take(), QStringList({"L/0", "L"}));

    tree->append("L", "y");
    QCOMPARE(recorder.take(), QStringList({"L/1", "L"}));
    QCOMPARE(toStringList(tree->getList("L")), QStringList({"x", "y"}));
    QCOMPARE(stored("G/L/array_count").toInt(), 2);
}

void tst_RegistrySettingsTree::appendEmptyStringToMissingArray()
{
    const Tree tree = makeTree("G");
    Recorder recorder(tree);
    tree->append("L", "");
    QVERIFY(!QSettings().contains("G/L/0"));
    QCOMPARE(stored("G/L/array_count").toInt(), 1);
    QCOMPARE(recorder.take(), QStringList{"L"});
    QCOMPARE(toStringList(tree->getList("L")), QStringList{""});
}

void tst_RegistrySettingsTree::appendOverStaleElement()
{
    store("G/L/0", "x");
    const Tree tree = makeTree("G");
    Recorder recorder(tree);
    tree->append("L", "x");
    QCOMPARE(recorder.take(), QStringList{"L"});
    QCOMPARE(toStringList(tree->getList("L")), QStringList{"x"});
}

void tst_RegistrySettingsTree::appendToFullArray()
{
    store("G/L/array_count", std::numeric_limits<int>::max());
    const Tree tree = makeTree("G");
    Recorder recorder(tree);
    QTest::ignoreMessage(QtWarningMsg, "RegistrySettingsTree::append: the array \"L\" is full");
    tree->append("L", "x");
    QCOMPARE(QSettings().allKeys(), QStringList{"G/L/array_count"});
    QCOMPARE(stored("G/L/array_count").toInt(), std::numeric_limits<int>::max());
    QCOMPARE(recorder.take(), QStringList{});
}

void tst_RegistrySettingsTree::getList_data()
{
    QTest::addColumn<QVariant>("count");
    QTest::addColumn<QStringList>("expected");

    // Elements 0 and 2 are always stored, element 1 never.
    QTest::newRow("no array") << QVariant() << QStringList{};
    QTest::newRow("count 0") << QVariant(0) << QStringList{};
    QTest::newRow("negative count") << QVariant(-2) << QStringList{};
    QTest::newRow("count 1") << QVariant(1) << QStringList{"a"};
    QTest::newRow("missing element") << QVariant(3) << QStringList{"a", "", "c"};
    QTest::newRow("past the elements") << QVariant(4) << QStringList{"a", "", "c", ""};
}

void tst_RegistrySettingsTree::getList()
{
    QFETCH(QVariant, count);
    QFETCH(QStringList, expected);

    store("G/L/0", "a");
    store("G/L/2", "c");
    if (count.isValid())
        store("G/L/array_count", count);
    QCOMPARE(toStringList(makeTree("G")->getList("L")), expected);
}

void tst_RegistrySettingsTree::removeArray()
{
    const Tree tree = makeTree("G");
    for (const char *value : {"x", "y", "z"})
        tree->append("L", value);
    tree->set("L2", "kept");
    Recorder recorder(tree);

    tree->remove("L");
    QCOMPARE(QSettings().allKeys(), QStringList{"G/L2"});
    QVERIFY(tree->getList("L").empty());
    tree->remove("missing");
    QCOMPARE(recorder.take(), QStringList({"L", "missing"}));
}

void tst_RegistrySettingsTree::removeChildGroup()
{
    const Tree tree = makeTree("G");
    const Tree child = tree->child("a");
    child->set("k", "v");
    child->append("L", "x");
    Recorder parentRecorder(tree);
    Recorder childRecorder(child);

    tree->remove("a");
    QVERIFY(QSettings().allKeys().isEmpty());
    QCOMPARE(child->get("k", "gone"), "gone");
    QCOMPARE(parentRecorder.take(), QStringList{"a"});
    QCOMPARE(childRecorder.take(), QStringList{});
}

void tst_RegistrySettingsTree::clearGroup()
{
    const Tree group = makeTree("G");
    const Tree child = group->child("c");
    group->set("k", "v");
    child->set("k", "v");
    makeTree("H")->set("k", "kept");
    store("top", "kept");
    Recorder groupRecorder(group);
    Recorder childRecorder(child);

    group->clear();
    QCOMPARE(QSettings().allKeys(), QStringList({"H/k", "top"}));
    QCOMPARE(groupRecorder.take(), QStringList{"(cleared)"});
    QCOMPARE(childRecorder.take(), QStringList{});

    // The handed-out sub-tree is still the cached one and still works.
    QCOMPARE(group->child("c"), child);
    QCOMPARE(child->get("k", "gone"), "gone");
    child->set("k", "again");
    QCOMPARE(stored("G/c/k").toString(), "again");
}

void tst_RegistrySettingsTree::clearWholeStore()
{
    const Tree root = makeTree("");
    root->set("top", "v");
    root->child("G")->append("L", "x");
    store("H/k", "v");
    Recorder recorder(root);

    root->clear();
    QVERIFY(QSettings().allKeys().isEmpty());
    QCOMPARE(recorder.take(), QStringList{"(cleared)"});
}

void tst_RegistrySettingsTree::receiversReenterTheTree()
{
    const Tree tree = makeTree("G");
    Recorder recorder(tree);
    QStringList seenLists;
    tree->valueChangedSignal().connect([&tree, &seenLists](std::string key) {
        if (key == "k")
            tree->set("copy", tree->get("k", ""));
        else if (key == "L")
            seenLists << toStringList(tree->getList("L")).join(',');
    });
    // Disconnects itself on its first call and changes the tree from inside that emission.
    SettingsSignal<std::string>::Receiver once;
    once = tree->valueChangedSignal().connect([&tree, &once](std::string) {
        tree->valueChangedSignal().disconnect(once);
        tree->set("once", "1");
    });

    tree->set("k", "v");
    QCOMPARE(recorder.take(), QStringList({"k", "copy", "once"}));
    QCOMPARE(tree->get("copy", ""), "v");
    QCOMPARE(tree->get("once", ""), "1");

    tree->append("L", "x");
    tree->append("L", "y");
    QCOMPARE(recorder.take(), QStringList({"L/0", "L", "L/1", "L"}));
    QCOMPARE(seenLists, QStringList({"x", "x,y"}));
}

void tst_RegistrySettingsTree::concurrentAppends()
{
    constexpr int threadCount = 8;
    constexpr int perThread = 2000;
    const Tree tree = makeTree("G");
    int reports = 0; // guarded by the channel's mutex
    tree->valueChangedSignal().connect([&reports](std::string) { ++reports; });

    std::vector<std::thread> threads;
    for (int t = 0; t < threadCount; ++t) {
        threads.emplace_back([&tree, t] {
            for (int i = 0; i < perThread; ++i)
                tree->append("L", std::to_string(t) + '-' + std::to_string(i));
        });
    }
    for (std::thread &thread : threads)
        thread.join();

    const QStringList list = toStringList(tree->getList("L"));
    QCOMPARE(list.size(), threadCount * perThread);
    QCOMPARE(QSet<QString>(list.begin(), list.end()).size(), threadCount * perThread);
    QCOMPARE(tree->get("L/array_count", 0), threadCount * perThread);
    // Each append writes a new element: its key and then the array's key are reported.
    QCOMPARE(reports, 2 * threadCount * perThread);
}

void tst_RegistrySettingsTree::mixedOperationsFromManyThreads()
{
    constexpr int threadCount = 8;
    const Tree tree = makeTree("G");
    int reports = 0; // guarded by the channel's mutex
    tree->valueChangedSignal().connect([&reports](std::string) { ++reports; });
    std::atomic<int> appends{0};
    std::atomic<int> idleThreads{0};

    QDeadlineTimer deadline(2000);
    std::vector<std::thread> threads;
    for (int t = 0; t < threadCount; ++t) {
        threads.emplace_back([&, t] {
            QRandomGenerator random(quint32(t + 1));
            int operations = 0;
            while (!deadline.hasExpired()) {
                const std::string key = "k" + std::to_string(random.bounded(4));
                // Many sub-tree keys, so that new sub-trees keep being cached while others are looked up.
                const std::string childKey = "c" + std::to_string(random.bounded(512));
                switch (random.bounded(9)) {
                case 0:
                    tree->set(key, std::to_string(random.bounded(3)));
                    break;
                case 1:
                    tree->get(key, 0);
                    tree->get(key, false);
                    break;
                case 2:
                    tree->get(key, "");
                    tree->get(key, std::string("d"));
                    break;
                case 3:
                    tree->child(childKey)->set("v", std::to_string(t));
                    break;
                case 4:
                    tree->child(childKey)->get("v", "");
                    break;
                case 5:
                    tree->remove(key);
                    break;
                case 6:
                    tree->append("list", key);
                    ++appends;
                    break;
                case 7:
                    tree->getList("list");
                    break;
                case 8:
                    tree->child(childKey)->clear();
                    break;
                }
                ++operations;
            }
            if (operations == 0)
                ++idleThreads;
        });
    }
    for (std::thread &thread : threads)
        thread.join();

    QCOMPARE(idleThreads.load(), 0);
    QCOMPARE(int(tree->getList("list").size()), appends.load());
    QVERIFY(reports > 0);
}

QTEST_GUILESS_MAIN(tst_RegistrySettingsTree)
#include "tst_registrysettingstree.moc"
