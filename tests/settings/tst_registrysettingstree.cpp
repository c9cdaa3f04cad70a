#include "registrysettingstree.h"

#include <QtTest>

#include <limits>
#include <thread>
#include <type_traits>
#include <vector>

using Tree = std::shared_ptr<ISettingsTree>;

static_assert(std::is_same<decltype(std::declval<ISettingsTree &>().get("k", "")), std::string>::value,
              "a string literal default reads a string");

class tst_RegistrySettingsTree : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QCoreApplication::setOrganizationName("zev_orer-tests");
        QSettings().clear();
    }

    void unusualKeys_data()
    {
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QString>("fullKey");
        QTest::addColumn<QStringList>("leftByRemove");
        QTest::addColumn<QString>("value");
        // The store also holds "G/other" and "other". QSettings drops the empty levels of a full key, so an
        // empty key names the tree's own group.
        const QStringList others{"G/other", "other"};
        QTest::newRow("empty") << QByteArray() << "G" << QStringList{"other"} << "v";
        QTest::newRow("double slash") << QByteArray("a//b") << "G/a/b" << others << "v";
        QTest::newRow("non-ASCII") << QByteArray("größe/值") << "G/größe/值" << others << "größe 值";
    }

    void unusualKeys()
    {
        QFETCH(QByteArray, key);
        QFETCH(QString, fullKey);
        QFETCH(QString, value);
        QSettings().setValue("G/other", "o");
        QSettings().setValue("other", "o");
        QStringList log;
        // A group's tree is a sub-tree of a root that is gone before it is used.
        const Tree tree = std::make_shared<RegistrySettingsTree>("")->child("G");
        tree->valueChangedSignal().connect(
            [&log](const std::string &key) { log << QString::fromStdString(key); });
        tree->set(key.toStdString(), value.toStdString());
        QCOMPARE(QSettings().allKeys(), QStringList({fullKey, "G/other", "other"}));
        QCOMPARE(QSettings().value(fullKey).toString(), value);
        QCOMPARE(QString::fromStdString(tree->get(key.toStdString(), "")), value);
        tree->remove(key.toStdString());
        QTEST(QSettings().allKeys(), "leftByRemove");
        // Reported as given, whatever QSettings made of the key.
        QCOMPARE(log, QStringList({QString::fromUtf8(key), QString::fromUtf8(key)}));
    }

    void receiversAndFullArray()
    {
        QSettings().setValue("G/F/array_count", std::numeric_limits<int>::max()); // damaged: "F" has no room
        const Tree tree = std::make_shared<RegistrySettingsTree>("G");
        // Receivers call the tree again: copy a value set, read the list's length as an append reports.
        QStringList log;
        tree->valueChangedSignal().connect([&tree, &log](const std::string &key) {
            log << QString::fromStdString(key);
            if (key == "k")
                tree->set("copy", tree->get("k", ""));
            else if (key == "L")
                log.last() += QString::number(tree->getList("L").size());
        });
        tree->set("k", "v");
        tree->append("L", "x");
        tree->append("L", "y");
        QTest::ignoreMessage(QtWarningMsg, "RegistrySettingsTree::append: the array \"F\" is full");
        tree->append("F", "x");
        QCOMPARE(log, QStringList({"k", "copy", "L/0", "L1", "L/1", "L2"}));
        QCOMPARE(tree->get("copy", ""), "v");
        QCOMPARE(QSettings().allKeys(),
                 QStringList({"G/F/array_count", "G/L/0", "G/L/1", "G/L/array_count", "G/copy", "G/k"}));
        QCOMPARE(QSettings().value("G/F/array_count").toInt(), std::numeric_limits<int>::max());
    }

    void mixedOperationsFromManyThreads()
    {
        const Tree tree = std::make_shared<RegistrySettingsTree>("G");
        SettingsSignal<std::string> &changed = tree->valueChangedSignal();
        int appends = 0; // unguarded on purpose: the channel's mutex must serialise the receivers
        changed.connect([&appends](const std::string &key) { appends += key == "list"; });
        const QDeadlineTimer deadline(2000);
        std::vector<std::thread> threads(8);
        for (int t = 0; t < 8; ++t) {
            threads[t] = std::thread([&, t] {
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
                        changed.disconnect(changed.connect([](const std::string &) {}));
                } while (!deadline.hasExpired());
            });
        }
        for (std::thread &thread : threads)
            thread.join();
        // Appends that raced for one index would leave fewer elements than reports.
        QCOMPARE(int(tree->getList("list").size()), appends);
    }
};

QTEST_GUILESS_MAIN(tst_RegistrySettingsTree)
#include "tst_registrysettingstree.moc"
