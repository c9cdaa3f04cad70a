#include "settingstree.h"

#include <QtTest>

#include <atomic>
#include <thread>
#include <vector>

using KeySignal = SettingsSignal<std::string>;

class tst_SettingsSignal : public QObject
{
    Q_OBJECT

private slots:
    void callsReceiversInOrderWithTheArgument();
    void connectReturnsTheReceiver();
    void refusesNullReceivers_data();
    void refusesNullReceivers();
    void disconnectDuringEmission_data();
    void disconnectDuringEmission();
    void connectDuringEmission_data();
    void connectDuringEmission();
    void nestedEmissionSurvivesDisconnection();
    void receiverLivesThroughItsOwnCall();
    void eachReceiverGetsItsOwnCopy();
    void concurrentEmissionsRunOneAtATime();
};

namespace {

// Four receivers "A".."D" that log their name; the one at index actor disconnects the receivers at targets,
// or connects a receiver "E", during its first call.
struct Fixture
{
    KeySignal signal;
    QStringList log;
    std::vector<KeySignal::Receiver> receivers;

    explicit Fixture(const std::function<void(int)> &onCall = nullptr)
    {
        for (int i = 0; i < 4; ++i) {
            receivers.push_back(signal.connect([this, i, onCall](std::string) {
                log << QString(QChar('A' + i));
                if (onCall)
                    onCall(i);
            }));
        }
    }

    QStringList emission()
    {
        log.clear();
        signal("key");
        return log;
    }
};

} // namespace

void tst_SettingsSignal::callsReceiversInOrderWithTheArgument()
{
    KeySignal signal;
    QStringList log;
    for (const char *name : {"first", "second", "third"})
        signal.connect(
            [&log, name](std::string key) { log << name + QLatin1Char(':') + QString::fromStdString(key); });

    signal("a/b");
    signal("c");
    QCOMPARE(log, QStringList({"first:a/b", "second:a/b", "third:a/b", "first:c", "second:c", "third:c"}));
}

void tst_SettingsSignal::connectReturnsTheReceiver()
{
    struct Counter : SettingsSlot<std::string>
    {
        int calls = 0;
        void operator()(std::string) override { ++calls; }
    };
    KeySignal signal;
    auto counter = std::make_shared<Counter>();
    QCOMPARE(signal.connect(counter), KeySignal::Receiver(counter));
    int callbackCalls = 0;
    const KeySignal::Receiver callback = signal.connect([&callbackCalls](std::string) { ++callbackCalls; });
    QVERIFY(callback);

    signal("k");
    signal.disconnect(callback);
    signal("k");
    signal.disconnect(counter);
    signal.disconnect(counter);
    signal("k");
    QCOMPARE(counter->calls, 2);
    QCOMPARE(callbackCalls, 1);
}

void tst_SettingsSignal::refusesNullReceivers_data()
{
    QTest::addColumn<bool>("asCallback");
    QTest::newRow("receiver") << false;
    QTest::newRow("callback") << true;
}

void tst_SettingsSignal::refusesNullReceivers()
{
    QFETCH(bool, asCallback);
    KeySignal signal;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^SettingsSignal::connect: "));
    const KeySignal::Receiver receiver = asCallback ? signal.connect(std::function<void(std::string)>())
                                                    : signal.connect(KeySignal::Receiver());
    QVERIFY(!receiver);
    signal("k");
}

void tst_SettingsSignal::disconnectDuringEmission_data()
{
    QTest::addColumn<int>("actor");
    QTest::addColumn<QList<int>>("targets");
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<QStringList>("second");

    QTest::newRow("itself") << 1 << QList<int>{1} << QStringList{"A", "B", "C", "D"}
                            << QStringList{"A", "C", "D"};
    QTest::newRow("the next one") << 1 << QList<int>{2} << QStringList{"A", "B", "D"}
                                  << QStringList{"A", "B", "D"};
    QTest::newRow("an earlier one") << 1 << QList<int>{0} << QStringList{"A", "B", "C", "D"}
                                    << QStringList{"B", "C", "D"};
    QTest::newRow("the last, itself")
        << 3 << QList<int>{3} << QStringList{"A", "B", "C", "D"} << QStringList{"A", "B", "C"};
    QTest::newRow("itself and the next")
        << 1 << QList<int>{1, 2} << QStringList{"A", "B", "D"} << QStringList{"A", "D"};
    QTest::newRow("all") << 1 << QList<int>{0, 1, 2, 3} << QStringList{"A", "B"} << QStringList{};
}

void tst_SettingsSignal::disconnectDuringEmission()
{
    QFETCH(int, actor);
    QFETCH(QList<int>, targets);
    QFETCH(QStringList, first);
    QFETCH(QStringList, second);

    bool done = false;
    Fixture *fixture = nullptr;
    Fixture f([&](int i) {
        if (i != actor || done)
            return;
        done = true;
        for (int target : targets)
            fixture->signal.disconnect(fixture->receivers[target]);
    });
    fixture = &f;
    QCOMPARE(f.emission(), first);
    QCOMPARE(f.emission(), second);
}

void tst_SettingsSignal::connectDuringEmission_data()
{
    QTest::addColumn<int>("actor");
    QTest::addColumn<QStringList>("first");

    QTest::newRow("from the middle") << 1 << QStringList{"A", "B", "C", "D", "E"};
    QTest::newRow("from the last") << 3 << QStringList{"A", "B", "C", "D"};
}

void tst_SettingsSignal::connectDuringEmission()
{
    QFETCH(int, actor);
    QFETCH(QStringList, first);

    bool done = false;
    Fixture *fixture = nullptr;
    Fixture f([&](int i) {
        if (i != actor || done)
            return;
        done = true;
        fixture->signal.connect([fixture](std::string) { fixture->log << "E"; });
    });
    fixture = &f;
    QCOMPARE(f.emission(), first);
    QCOMPARE(f.emission(), QStringList({"A", "B", "C", "D", "E"}));
}

void tst_SettingsSignal::nestedEmissionSurvivesDisconnection()
{
    // A raises the channel again; in that nested emission B disconnects itself, the entry the outer emission
    // calls next.
    int depth = 0;
    Fixture *fixture = nullptr;
    Fixture f([&](int i) {
        if (i == 0 && depth == 0) {
            ++depth;
            fixture->signal("nested");
            --depth;
        } else if (i == 1) {
            fixture->signal.disconnect(fixture->receivers[1]);
        }
    });
    fixture = &f;
    QCOMPARE(f.emission(), QStringList({"A", "A", "B", "C", "D", "C", "D"}));
    QCOMPARE(f.emission(), QStringList({"A", "A", "C", "D", "C", "D"}));
}

void tst_SettingsSignal::receiverLivesThroughItsOwnCall()
{
    struct OneShot : SettingsSlot<std::string>
    {
        KeySignal *signal = nullptr;
        std::weak_ptr<OneShot> self;
        std::string received;
        QStringList *log = nullptr;
        void operator()(std::string key) override
        {
            signal->disconnect(self.lock());
            // Still alive: the emission holds the last handle until the call returns.
            received = std::move(key);
            *log << QString::fromStdString(received);
        }
    };
    KeySignal signal;
    QStringList log;
    std::weak_ptr<OneShot> watcher;
    {
        auto receiver = std::make_shared<OneShot>();
        receiver->signal = &signal;
        receiver->self = receiver;
        receiver->log = &log;
        watcher = receiver;
        signal.connect(receiver);
    }
    QVERIFY(!watcher.expired());
    signal("once");
    QVERIFY(watcher.expired());
    signal("twice");
    QCOMPARE(log, QStringList{"once"});
}

void tst_SettingsSignal::eachReceiverGetsItsOwnCopy()
{
    KeySignal signal;
    QStringList log;
    signal.connect([](std::string key) { key += "-changed"; });
    signal.connect([&log](std::string key) { log << QString::fromStdString(key); });
    const std::string key = "k";
    signal(key);
    QCOMPARE(log, QStringList{"k"});
    QCOMPARE(key, std::string("k"));
}

void tst_SettingsSignal::concurrentEmissionsRunOneAtATime()
{
    constexpr int threadCount = 4;
    constexpr int emissions = 2000;
    SettingsSignal<int> signal;
    std::atomic<int> inside{0};
    std::atomic<bool> overlapped{false};
    int calls = 0; // unguarded on purpose: the channel's mutex must serialise the receivers
    signal.connect([&](int) {
        if (inside.fetch_add(1) != 0)
            overlapped = true;
        ++calls;
        inside.fetch_sub(1);
    });

    std::vector<std::thread> threads;
    for (int t = 0; t < threadCount; ++t) {
        threads.emplace_back([&signal, t] {
            for (int i = 0; i < emissions; ++i) {
                signal(i);
                // Connections come and go while the other threads emit.
                if (i % 100 == t)
                    signal.disconnect(signal.connect([](int) {}));
            }
        });
    }
    for (std::thread &thread : threads)
        thread.join();
    QVERIFY(!overlapped);
    QCOMPARE(calls, threadCount * emissions);
}

QTEST_APPLESS_MAIN(tst_SettingsSignal)
#include "tst_settingssignal.moc"
