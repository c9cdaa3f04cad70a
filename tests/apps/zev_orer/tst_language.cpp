#include <QtTest>

// Each row runs the program's probe from a folder of its own, so that the "lang" folder beside it, the
// settings and the log belong to that row alone, under a chosen system locale.
class tst_Language : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void start_data()
    {
        // "stored": the value found at start (null: none); "packs": "<file>=<source>" copied into "lang"
        // (none: no "lang" folder); "written": the value afterwards (null: the settings file stays byte for
        // byte); "report": the probe's locale, translators and text; "log": the error logged (empty: no log
        // at all).
        QTest::addColumn<QString>("systemLocale");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("packs");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("report");
        QTest::addColumn<QString>("log");
        const QString zh = QStringLiteral("zh_CN.UTF-8");
        const QString probePackEn = QStringLiteral("en_us.lpk=" PROBE_PACK_EN_US);
        const QStringList probePacks{QStringLiteral("zh_cn.lpk=" PROBE_PACK_ZH_CN), probePackEn};
        // clang-format off
        QTest::newRow("first start, Chinese system")
            << "zh_TW.UTF-8" << QString() << probePacks << "Chinese" << "zh_TW|zh_CN|你好" << "";
        QTest::newRow("first start, other system")
            << "de_DE.UTF-8" << QString() << probePacks << "English" << "en_DE|en_US|Hi" << "";
            QTest::newRow("lower-case chinese") << "zh_HK.UTF-8" << "chinese" << probePacks << QString() << "en_HK|en_US|Hi"
                                            << "";
        // Written as QSettings writes a byte array: read up to its first zero byte.
        QTest::newRow("binary value, Chinese up to a zero byte")
            << "en_SG.UTF-8" << "@ByteArray(Chinese\\0\\xff)" << probePacks << QString() << "zh_SG|zh_CN|你好" << "";
        QTest::newRow("no lang folder")
            << zh << "Chinese" << QStringList() << QString() << "zh_CN||Hello" << "The directory \"lang\"  no exist!";
        QTest::newRow("Chinese pack missing") << zh << "Chinese" << QStringList{probePackEn} << QString() << "zh_CN||Hello"
                                              << "The lang file zh_cn.lpk no exist!";
        // Random bytes as a pack.
        QTest::newRow("broken pack") << zh << "Chinese" << QStringList{"zh_cn.lpk=" ZEV_ORER_PROBE}
                                     << QString() << "zh_CN|empty|Hello" << "";
        QTest::newRow("shipped Chinese pack")
            << zh << "Chinese"
            << QStringList{"zh_cn.lpk=" + QFileInfo(ZEV_ORER_PROBE).path() + "/lang/zh_cn.lpk"} << QString()
            << "zh_CN|zh_CN|Hello" << "";
        // clang-format on
    }

    void start()
    {
        QFETCH(QString, stored);
        QFETCH(QStringList, packs);
        QFETCH(QString, written);
        QFETCH(QString, log);
        QTemporaryDir root;
        const QString probe = root.filePath(QStringLiteral("bin/probe"));
        QVERIFY(
            QDir(root.path()).mkpath(packs.isEmpty() ? QStringLiteral("bin") : QStringLiteral("bin/lang")));
        QVERIFY(QDir(root.path()).mkpath(QStringLiteral("data")));
        QVERIFY(QFile::copy(QStringLiteral(ZEV_ORER_PROBE), probe));
        QVERIFY(QFile::setPermissions(probe, QFile::permissions(QStringLiteral(ZEV_ORER_PROBE))));
        for (const QString &pack : packs)
            QVERIFY(QFile::copy(pack.section('=', 1), root.filePath("bin/lang/" + pack.section('=', 0, 0))));

        // Written by hand with blanks around "=", which QSettings never writes, so any write shows in the
        // bytes.
        const QString settingsPath = root.filePath(QStringLiteral("config/Ruderu/Rezodi\\ui_front.conf"));
        const QByteArray settingsBefore = "[General]\nlanguage = " + stored.toUtf8() + "\n";
        if (!stored.isNull()) {
            QFile file(settingsPath);
            QVERIFY(QDir().mkpath(QFileInfo(settingsPath).path()) && file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(settingsBefore), settingsBefore.size());
        }

        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), root.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), root.filePath(QStringLiteral("data")));
        QFETCH(QString, systemLocale);
        env.insert(QStringLiteral("LANG"), systemLocale);
        env.insert(QStringLiteral("LC_ALL"), systemLocale);
        env.remove(QStringLiteral("LANGUAGE"));
        env.insert(QStringLiteral("ZEV_ORER_PROBE_END"), QStringLiteral("exit:0"));
        process.setProcessEnvironment(env);
        process.start(probe, QStringList());
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 0);
        QTEST(QString::fromUtf8(process.readAllStandardOutput()).section(QLatin1Char('\n'), 1, 1), "report");

        QFile settings(settingsPath);
        QVERIFY(settings.open(QIODevice::ReadOnly));
        if (written.isNull())
            QCOMPARE(settings.readAll(), settingsBefore);
        else
            QCOMPARE(QSettings(settingsPath, QSettings::IniFormat).value(QStringLiteral("language")),
                     QVariant(written));

        QFile logFile(root.filePath(QStringLiteral("data/ruderu/Rezodi/log/zevorer/ZEV-ORER.log")));
        QCOMPARE(QFileInfo::exists(root.filePath(QStringLiteral("data/ruderu"))), !log.isEmpty());
        if (!log.isEmpty()) {
            QVERIFY(logFile.open(QIODevice::ReadOnly));
            const QByteArray text = logFile.readAll();
            QVERIFY2(text.count('\n') == 1 && text.endsWith("] [ZEV-ORER] [error] " + log.toUtf8() + "\r\n"),
                     text.constData());
        }
    }
};

QTEST_GUILESS_MAIN(tst_Language)
#include "tst_language.moc"
