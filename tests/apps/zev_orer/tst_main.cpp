#include <QtTest>

// Runs main() as a process, linked with a probe that reports its set-up and ends its loop as asked.
class tst_Main : public QObject
{
    Q_OBJECT

private slots:
    void start_data()
    {
        // Each row runs the probe in a folder of its own ("lang", settings, log), ended as "end" asks; a walk
        // goes through every window, each text needing its room at every scale. "status": main's int, low 8
        // bits (1: with a folder where the log file belongs, and no report); "stored", "written": the value
        // before and after (null: none, file unchanged); "packs": "<file>=<source>" in "lang" (none: no
        // folder); "outcome": locale|translators|text|error logged.
        QTest::addColumn<QString>("end");
        QTest::addColumn<double>("scale");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("systemLocale");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("packs");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("outcome");
        const QString zh("zh_CN.UTF-8"), en("en_US.UTF-8"), none,
            lang = QFileInfo(ZEV_ORER_PROBE).path() + "/lang/";
        const QStringList probePacks{"zh_cn.lpk=" PROBE_PACK_ZH_CN, "en_us.lpk=" PROBE_PACK_EN_US};
        const QStringList shipped{"zh_cn.lpk=" + lang + "zh_cn.lpk", "en_us.lpk=" + lang + "en_us.lpk"};
        // clang-format off
        QTest::newRow("exit -3, shipped Chinese pack") << "exit:-3" << 1.0 << 253
            << zh << "Chinese" << QStringList(shipped.mid(0, 1)) << none << "zh_CN|zh_CN|Hello|";
        for (const double factor : {1.0, 1.25, 1.5, 2.0})
            QTest::addRow("walk at %g", factor)
                << "walk" << factor << 0 << en << "English" << shipped << none << "en_US|empty|Hello|";
        QTest::newRow("unopenable log") << "exit:0" << 1.0 << 1 << zh << "Chinese" << QStringList() << none << "|";
        QTest::newRow("first start, Chinese system")
            << "exit:0" << 1.0 << 0 << "zh_TW.UTF-8" << none << probePacks << "Chinese" << "zh_TW|zh_CN|你好|";
        QTest::newRow("first start, other system")
            << "exit:0" << 1.0 << 0 << "de_DE.UTF-8" << none << probePacks << "English" << "en_DE|en_US|Hi|";
        QTest::newRow("lower-case chinese")
            << "exit:0" << 1.0 << 0 << "zh_HK.UTF-8" << "chinese" << probePacks << none << "en_HK|en_US|Hi|";
        // Written as QSettings writes a byte array: read up to its first zero byte.
        QTest::newRow("binary value, Chinese up to a zero byte") << "exit:0" << 1.0 << 0
            << "en_SG.UTF-8" << "@ByteArray(Chinese\\0\\xff)" << probePacks << none << "zh_SG|zh_CN|你好|";
        QTest::newRow("no lang folder") << "exit:0" << 1.0 << 0
            << zh << "Chinese" << QStringList() << none << "zh_CN||Hello|The directory \"lang\"  no exist!";
        QTest::newRow("Chinese pack missing") << "exit:0" << 1.0 << 0 << zh << "Chinese"
            << QStringList(probePacks.mid(1)) << none << "zh_CN||Hello|The lang file zh_cn.lpk no exist!";
        QTest::newRow("broken pack") << "exit:0" << 1.0 << 0
            << zh << "Chinese" << QStringList{"zh_cn.lpk=" ZEV_ORER_PROBE} << none << "zh_CN|empty|Hello|";
        // clang-format on
    }

    void start()
    {
        QFETCH(double, scale);
        QFETCH(int, status);
        QFETCH(QString, systemLocale);
        QFETCH(QString, stored);
        QFETCH(QStringList, packs);
        QFETCH(QString, written);
        QTemporaryDir root;
        const QString probe = root.filePath("bin/probe");
        QVERIFY(QDir(root.path()).mkpath(packs.isEmpty() ? "bin" : "bin/lang") &&
                QFile::copy(ZEV_ORER_PROBE, probe)); // with the program's permissions
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
        const QString logPath = root.filePath("data/ruderu/Rezodi/log/zevorer/ZEV-ORER.log");
        QVERIFY(status != 1 || QDir().mkpath(logPath));

        QProcess process;
        QFETCH(QString, end);
        process.setEnvironment(QProcess::systemEnvironment()
                               << "XDG_CONFIG_HOME=" + root.filePath("config")
                               << "XDG_DATA_HOME=" + root.filePath("data") << "LANG=" + systemLocale
                               << "LC_ALL=" + systemLocale << "LANGUAGE="
                               << "ZEV_ORER_PROBE_END=" + end << "QT_SCALE_FACTOR=" + QString::number(scale));
        process.start(probe, QStringList());
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), status);
        const QList<QByteArray> report = process.readAllStandardOutput().split('\n');
        QCOMPARE(report.value(0), status == 1 ? QByteArray()
                                              : "highdpi=1 stylesheet=1250 organization= application=probe "
                                                "window=ShowcaseWindow");
        QCOMPARE(process.readAllStandardError().contains("zev_orer: Failed opening file "), status == 1);

        QVERIFY(settings.open(QIODevice::ReadOnly));
        if (written.isNull())
            QCOMPARE(settings.readAll(), settingsBefore);
        else
            QCOMPARE(QSettings(settings.fileName(), QSettings::IniFormat).value("language"),
                     QVariant(written));
        // One error line, or not even the log's folder.
        QFile log(logPath);
        const QString logged = log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
        QCOMPARE(QFileInfo::exists(root.filePath("data/ruderu")), !logged.isEmpty() || status == 1);
        QTEST(QString::fromUtf8(report.value(1)) + '|' + logged.section("] [ZEV-ORER] [error] ", 1).trimmed(),
              "outcome");
    }
};

QTEST_GUILESS_MAIN(tst_Main)
#include "tst_main.moc"
