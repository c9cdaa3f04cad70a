#include <QtTest>

// Runs main() as a process, linked with a probe that reports its set-up and ends its loop as asked.
class tst_Main : public QObject
{
    Q_OBJECT

private slots:
    void exitCode_data()
    {
        QTest::addColumn<QString>("end");
        QTest::addColumn<double>("scale");
        QTest::addColumn<bool>("unopenableLog");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("report");
        const QByteArray report("highdpi=1 stylesheet=1250 organization= application=zev_orer_probe "
                                "window=ShowcaseWindow");
        // The process status holds the low 8 bits of main's int: -3 shows as 253.
        QTest::newRow("exit -3") << "exit:-3" << 1.0 << false << 253 << report;
        // Every window opened through the program's buttons and closed through its own; the last window
        // closed ends the application's loop with 0. At every scale factor each text has the room it asks
        // for.
        for (const double factor : {1.0, 1.25, 1.5, 2.0})
            QTest::newRow(qPrintable(QString("walk at %1").arg(factor)))
                << "walk" << factor << false << 0 << report;
        // Away from "lang" it logs at start-up to a log file that is a folder: its message and 1.
        QTest::newRow("unopenable log") << "exit:0" << 1.0 << true << 1 << QByteArray();
    }

    void exitCode()
    {
        QFETCH(QString, end);
        QFETCH(bool, unopenableLog);
        QString program = ZEV_ORER_PROBE;
        QFETCH(double, scale);
        QStringList env = QProcess::systemEnvironment()
                          << "ZEV_ORER_PROBE_END=" + end << "QT_SCALE_FACTOR=" + QString::number(scale);
        QTemporaryDir root;
        if (unopenableLog) {
            program = root.filePath("zev_orer_probe");
            QVERIFY(QFile::copy(ZEV_ORER_PROBE, program)); // with the program's permissions
            QVERIFY(QDir().mkpath(root.filePath("data/ruderu/Rezodi/log/zevorer/ZEV-ORER.log")));
            env << "XDG_DATA_HOME=" + root.filePath("data");
        }
        QProcess process;
        process.setEnvironment(env);
        process.start(program, QStringList());
        QVERIFY(process.waitForFinished(30000));
        QTEST(process.exitCode(), "status");
        QTEST(process.readAllStandardOutput().split('\n').value(0), "report");
        QCOMPARE(process.readAllStandardError().contains("zev_orer: Failed opening file "), unopenableLog);
    }
};

QTEST_GUILESS_MAIN(tst_Main)
#include "tst_main.moc"
