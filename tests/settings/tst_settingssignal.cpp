#include "settingstree.h"

#include <QtTest>

#include <vector>

using KeySignal = SettingsSignal<std::string>;

class tst_SettingsSignal : public QObject
{
    Q_OBJECT

private slots:
    void changesDuringEmission_data()
    {
        QTest::addColumn<int>("actor");
        // The receivers that the actor disconnects during its first call; with none it connects a receiver E.
        QTest::addColumn<QList<int>>("targets");
        QTest::addColumn<QString>("calls"); // of two emissions
        QTest::newRow("disconnects itself") << 1 << QList<int>{1} << "ABCD|ACD";
        QTest::newRow("disconnects the next") << 1 << QList<int>{2} << "ABD|ABD";
        QTest::newRow("disconnects an earlier one") << 1 << QList<int>{0} << "ABCD|BCD";
        QTest::newRow("connects from the middle") << 1 << QList<int>{} << "ABCDE|ABCDE";
        QTest::newRow("connects from the last") << 3 << QList<int>{} << "ABCD|ABCDE";
    }

    void changesDuringEmission()
    {
        QFETCH(int, actor);
        QFETCH(QList<int>, targets);
        // Receivers A to D log their names. Only the channel holds them, so that a receiver which disconnects
        // itself lives on through the emission's own handle alone.
        KeySignal signal;
        QString log;
        std::vector<std::weak_ptr<SettingsSlot<std::string>>> receivers(4);
        bool acted = false;
        for (int i = 0; i < 4; ++i) {
            receivers[i] = signal.connect([&, i](const std::string &) {
                log += QChar('A' + i);
                if (i != actor || std::exchange(acted, true))
                    return;
                for (int target : targets)
                    signal.disconnect(receivers[target].lock());
                if (targets.isEmpty())
                    signal.connect([&log](const std::string &) { log += 'E'; });
            });
        }
        // Refused receivers would throw or crash when called, or add to the log.
        QTest::ignoreMessage(QtWarningMsg, "SettingsSignal::connect: null receiver");
        QVERIFY(!signal.connect(KeySignal::Receiver()));
        QTest::ignoreMessage(QtWarningMsg, "SettingsSignal::connect: empty callback");
        QVERIFY(!signal.connect(std::function<void(std::string)>()));
        signal("k");
        log += '|';
        signal("k");
        QTEST(log, "calls");
        for (int target : targets)
            QVERIFY(receivers[target].expired());
    }
};

QTEST_APPLESS_MAIN(tst_SettingsSignal)
#include "tst_settingssignal.moc"
