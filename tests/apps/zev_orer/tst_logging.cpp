#include "logging.h"

#include <QtTest>

#include <spdlog/spdlog.h>

class tst_Logging : public QObject
{
    Q_OBJECT

    static QString dataRoot() { return qEnvironmentVariable("XDG_DATA_HOME"); }
    static QByteArray readLog(const QString &path)
    {
        QFile file(dataRoot() + path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void init()
    {
        // The process logger is global: every case starts without one and without a data folder.
        QVERIFY2(!dataRoot().isEmpty() && dataRoot() != QDir::homePath() + "/.local/share",
                 "run through run-isolated.sh");
        spdlog::drop_all();
        loggerName = "ZEV-ORER";
        QVERIFY(QDir(dataRoot()).removeRecursively());
    }

    void cleanup() { spdlog::drop_all(); }

    void linesFilesAndNames()
    {
        // No data folder yet: naming the file creates nothing; the first message, at the lowest level, does.
        const QString path = "/ruderu/Rezodi/log/zevorer/ZEV-ORER.log";
        QCOMPARE(logFilePath(), dataRoot() + path);
        QVERIFY(!QFileInfo::exists(dataRoot() + "/ruderu"));
        const auto logger = getLogger();
        QCOMPARE(getLogger(), logger);
        logger->trace("The lang file {} no exist!", "zh_cn.lpk");
        // Read while the logger is open: every message is flushed at once.
        static const QRegularExpression line(R"(^\[\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3}\] \[ZEV-ORER\] )"
                                             R"(\[trace\] The lang file zh_cn.lpk no exist!\r\n$)");
        QVERIFY2(line.match(QString::fromUtf8(readLog(path))).hasMatch(), readLog(path).constData());
        // Another name, another file beside it.
        setLoggerName("X");
        getLogger()->warn("renamed");
        QVERIFY(readLog("/ruderu/Rezodi/log/zevorer/X.log").endsWith("] [X] [warning] renamed\r\n"));
        // A later logger under the first name appends to the file of the earlier one.
        setLoggerName("ZEV-ORER");
        getLogger()->info("again");
        const QByteArray log = readLog(path);
        QVERIFY2(log.count('\n') == 2 && log.endsWith("] [ZEV-ORER] [info] again\r\n"), log.constData());
    }

    void unusableFolders()
    {
        // A file where a folder belongs: that level is skipped. A folder where the file belongs: the file
        // cannot be opened, nothing is registered, and the next call tries again.
        const QString path = "/ruderu/log/zevorer/ZEV-ORER.log";
        QVERIFY(QDir(dataRoot()).mkpath("ruderu/log/zevorer/ZEV-ORER.log"));
        QVERIFY(QFile(dataRoot() + "/ruderu/Rezodi").open(QIODevice::WriteOnly));
        QCOMPARE(logFilePath(), dataRoot() + path);
        try {
            getLogger();
            QFAIL("getLogger() did not throw");
        } catch (const spdlog::spdlog_ex &ex) {
            QVERIFY2(
                QString(ex.what()).startsWith("Failed opening file " + dataRoot() + path + " for writing"),
                ex.what());
        }
        QVERIFY(!spdlog::get("ZEV-ORER"));
        QVERIFY(QDir(dataRoot()).rmdir("ruderu/log/zevorer/ZEV-ORER.log"));
        getLogger()->info("still logged");
        QVERIFY(readLog(path).endsWith("logged\r\n"));
    }

    void hexLogString() { QCOMPARE(toHexLogString(QByteArray("\x00\xff\x3c", 3)), std::string("00 ff 3c")); }
};

QTEST_GUILESS_MAIN(tst_Logging)
#include "tst_logging.moc"
