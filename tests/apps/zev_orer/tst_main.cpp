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
        // The process status holds the low 8 bits of main's int: -3 shows as 253.
        QTest::newRow("exit -3") << "exit:-3" << 1.0 << false << 253;
        // Every window opened by the program's buttons and closed by its own; the last one closed ends the
        // loop with 0. At every scale factor each text has the room it asks for.
        for (const double factor : {1.0, 1.25, 1.5, 2.0})
            QTest::newRow(qPrintable(QString("walk at %1").arg(factor))) << "walk" << factor << false << 0;
        // Away from "lang" it logs at start-up to a log file that is a folder: its message and 1, no report.
        QTest::newRow("unopenable log") << "exit:0" << 1.0 << true << 1;
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
        QCOMPARE(process.readAllStandardOutput().split('\n').value(0),
                 unopenableLog ? QByteArray()
                               : "highdpi=1 stylesheet=1250 organization= application=zev_orer_probe "
                                 "window=ShowcaseWindow");
        QCOMPARE(process.readAllStandardError().contains("zev_orer: Failed opening file "), unopenableLog);
    }

    void language_data()
    {
        // Each row in its own folder. "stored": the value at start (null: none); "packs": "<file>=<source>"
        // put in "lang" (none: no "lang" folder); "written": the value afterwards (null: the settings file
        // unchanged); "outcome": the probe's locale, translators and text, then the error logged (if any).
        QTest::addColumn<QString>("systemLocale");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("packs");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("outcome");
        const QString zh("zh_CN.UTF-8"), none;
        const QStringList probePacks{"zh_cn.lpk=" PROBE_PACK_ZH_CN, "en_us.lpk=" PROBE_PACK_EN_US};
        // clang-format off
        QTest::newRow("first start, Chinese system")
            << "zh_TW.UTF-8" << none << probePacks << "Chinese" << "zh_TW|zh_CN|你好|";
        QTest::newRow("first start, other system")
            << "de_DE.UTF-8" << none << probePacks << "English" << "en_DE|en_US|Hi|";
        QTest::newRow("lower-case chinese")
            << "zh_HK.UTF-8" << "chinese" << probePacks << none << "en_HK|en_US|Hi|";
        // Written as QSettings writes a byte array: read up to its first zero byte.
        QTest::newRow("binary value, Chinese up to a zero byte")
            << "en_SG.UTF-8" << "@ByteArray(Chinese\\0\\xff)" << probePacks << none << "zh_SG|zh_CN|你好|";
        QTest::newRow("no lang folder")
            << zh << "Chinese" << QStringList() << none << "zh_CN||Hello|The directory \"lang\"  no exist!";
        QTest::newRow("Chinese pack missing") << zh << "Chinese" << QStringList(probePacks.mid(1)) << none
            << "zh_CN||Hello|The lang file zh_cn.lpk no exist!";
        // Random bytes as a pack.
        QTest::newRow("broken pack")
            << zh << "Chinese" << QStringList{"zh_cn.lpk=" ZEV_ORER_PROBE} << none << "zh_CN|empty|Hello|";
        QTest::newRow("shipped Chinese pack") << zh << "Chinese"
            << QStringList{"zh_cn.lpk=" + QFileInfo(ZEV_ORER_PROBE).path() + "/lang/zh_cn.lpk"} << none
            << "zh_CN|zh_CN|Hello|";
        // clang-format on
    }

    void language()
    {
        QFETCH(QString, systemLocale);
        QFETCH(QString, stored);
        QFETCH(QStringList, packs);
        QFETCH(QString, written);
        QTemporaryDir root;
        const QString probe = root.filePath("bin/probe");
        QVERIFY(QDir(root.path()).mkpath(packs.isEmpty() ? "bin" : "bin/lang") &&
                QFile::copy(ZEV_ORER_PROBE, probe));
        for (const QString &pack : packs)
            QVERIFY(QFile::copy(pack.section('=', 1), root.filePath("bin/lang/" + pack.section('=', 0, 0))));
        // Blanks around "=", which QSettings never writes, make any write show in the bytes.
        QFile settings(root.filePath("config/Ruderu/Rezodi\\ui_front.conf"));
        const QByteArray settingsBefore = "[General]\nlanguage = " + stored.toUtf8() + "\n";
        if (!stored.isNull()) {
            QVERIFY(QDir(root.path()).mkpath("config/Ruderu") && settings.open(QIODevice::WriteOnly));
            QCOMPARE(settings.write(settingsBefore), settingsBefore.size());
            settings.close();
        }

        QProcess process;
        process.setEnvironment(QProcess::systemEnvironment()
                               << "XDG_CONFIG_HOME=" + root.filePath("config")
                               << "XDG_DATA_HOME=" + root.filePath("data") << "LANG=" + systemLocale
                               << "LC_ALL=" + systemLocale << "LANGUAGE="
                               << "ZEV_ORER_PROBE_END=exit:0");
        process.start(probe, QStringList());
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 0);

        QVERIFY(settings.open(QIODevice::ReadOnly));
        if (written.isNull())
            QCOMPARE(settings.readAll(), settingsBefore);
        else
            QCOMPARE(QSettings(settings.fileName(), QSettings::IniFormat).value("language"),
                     QVariant(written));
        // One error line, or not even the log's folder.
        QFile log(root.filePath("data/ruderu/Rezodi/log/zevorer/ZEV-ORER.log"));
        const QString logged = log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
        QCOMPARE(QFileInfo::exists(root.filePath("data/ruderu")), !logged.isEmpty());
        QTEST(QString::fromUtf8(process.readAllStandardOutput()).section('\n', 1, 1) + '|' +
                  logged.section("] [ZEV-ORER] [error] ", 1).trimmed(),
              "outcome");
    }
};

QTEST_GUILESS_MAIN(tst_Main)
#include "tst_main.moc"
