#include <QtTest>

// Each row runs the program's probe from its own folder, with its own "lang" folder, settings and log.
class tst_Language : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void start_data()
    {
        // "stored": the value found at start (null: none); "packs": "<file>=<source>" copied into "lang"
        // (none: no "lang" folder); "written": the value afterwards (null: the settings file stays byte for
        // byte); "outcome": the probe's locale, translators and text, then the error logged (empty: no log).
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

    void start()
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

QTEST_GUILESS_MAIN(tst_Language)
#include "tst_language.moc"
