#include "logging.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include <spdlog/spdlog.h>

class tst_Logging : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstMessageCreatesDirectoriesAndFile();
    void lineFormat();
    void appendsToExistingFile();
    void renameSwitchesFile();
    void uncreatableDirectoryUsesDeepestReached_data();
    void uncreatableDirectoryUsesDeepestReached();
    void unopenableFileThrowsAndRetries();
    void toHexLogString_data();
    void toHexLogString();

private:
    static QString dataRoot() { return QString::fromLocal8Bit(qgetenv("XDG_DATA_HOME")); }
    static QString logDir() { return dataRoot() + QStringLiteral("/ruderu/Rezodi/log/zevorer"); }
    static QByteArray readLog(const QString &name = QStringLiteral("ZEV-ORER"))
    {
        QFile file(logDir() + QLatin1Char('/') + name + QStringLiteral(".log"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

void tst_Logging::init()
{
    // The process logger is global: every case starts without one, in an empty data folder.
    QVERIFY2(!dataRoot().isEmpty() && dataRoot() != QDir::homePath() + QStringLiteral("/.local/share"),
             "run through run-isolated.sh");
    spdlog::drop_all();
    loggerName = "ZEV-ORER";
    QVERIFY(QDir(dataRoot()).removeRecursively() && QDir().mkpath(dataRoot()));
}

void tst_Logging::cleanup()
{
    spdlog::drop_all();
}

void tst_Logging::firstMessageCreatesDirectoriesAndFile()
{
    const QString announced = logFilePath();
    QVERIFY(!QDir(dataRoot() + QStringLiteral("/ruderu")).exists());
    getLogger()->info("first {}", 1);
    QCOMPARE(announced, QDir(logDir()).absoluteFilePath(QStringLiteral("ZEV-ORER.log")));
    // The location is the parent of the application's own data folder, i.e. the roaming data folder itself.
    QCOMPARE(QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/.."),
             QDir::cleanPath(dataRoot()));
    QVERIFY(QFileInfo(logDir()).isDir());
    QVERIFY(QFileInfo(logDir() + QStringLiteral("/ZEV-ORER.log")).isFile());
    QVERIFY(readLog().endsWith("first 1\r\n"));
}

void tst_Logging::lineFormat()
{
    // Trace, the lowest level, passes too.
    getLogger()->trace("The lang file {} no exist!", "zh_cn.lpk");
    // Read while the logger is still open: every message is flushed at once.
    const QByteArray log = readLog();
    const QRegularExpression line(
        QStringLiteral("^\\[\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3}\\] \\[ZEV-ORER\\] "
                       "\\[trace\\] The lang file zh_cn.lpk no exist!\\r\\n$"));
    QVERIFY2(line.match(QString::fromLatin1(log)).hasMatch(), log.constData());
}

void tst_Logging::appendsToExistingFile()
{
    QVERIFY(QDir().mkpath(logDir()));
    QFile earlier(logDir() + QStringLiteral("/ZEV-ORER.log"));
    QVERIFY(earlier.open(QIODevice::WriteOnly));
    earlier.write("an earlier run\r\n");
    earlier.close();

    getLogger()->info("this run");
    const QByteArray log = readLog();
    QVERIFY(log.startsWith("an earlier run\r\n"));
    QVERIFY(log.endsWith("this run\r\n"));
    QCOMPARE(log.count('\n'), 2);
}

void tst_Logging::renameSwitchesFile()
{
    const auto first = getLogger();
    QCOMPARE(getLogger().get(), first.get());
    first->info("before");
    setLoggerName("X");
    QVERIFY(!spdlog::get("ZEV-ORER"));
    getLogger()->warn("after");

    QVERIFY(readLog().endsWith("before\r\n"));
    QVERIFY(!readLog().contains("after"));
    const QByteArray renamed = readLog(QStringLiteral("X"));
    QVERIFY2(renamed.contains("] [X] [warning] after\r\n"), renamed.constData());
}

void tst_Logging::uncreatableDirectoryUsesDeepestReached_data()
{
    QTest::addColumn<QString>("blocked");
    QTest::addColumn<QString>("logFile");

    QTest::newRow("Rezodi") << "ruderu/Rezodi"
                            << "ruderu/log/zevorer/ZEV-ORER.log";
    QTest::newRow("zevorer") << "ruderu/Rezodi/log/zevorer"
                             << "ruderu/Rezodi/log/ZEV-ORER.log";
}

void tst_Logging::uncreatableDirectoryUsesDeepestReached()
{
    QFETCH(QString, blocked);
    QFETCH(QString, logFile);

    // A file where a level's folder belongs blocks that level: the walk goes on from the level above.
    QVERIFY(QDir(dataRoot()).mkpath(QFileInfo(blocked).path()));
    QFile blocker(dataRoot() + QLatin1Char('/') + blocked);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    getLogger()->info("still logged");
    QFile file(dataRoot() + QLatin1Char('/') + logFile);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().endsWith("still logged\r\n"));
}

void tst_Logging::unopenableFileThrowsAndRetries()
{
    // A directory where the file should be makes the file unopenable.
    QVERIFY(QDir().mkpath(logDir() + QStringLiteral("/ZEV-ORER.log")));
    try {
        getLogger();
        QFAIL("getLogger() did not throw");
    } catch (const spdlog::spdlog_ex &ex) {
        const QString what = QString::fromLocal8Bit(ex.what());
        QVERIFY2(what.startsWith(QStringLiteral("Failed opening file ")), ex.what());
        QVERIFY2(what.contains(QStringLiteral("ZEV-ORER.log for writing")), ex.what());
    }
    QVERIFY(!spdlog::get("ZEV-ORER"));

    QVERIFY(QDir(logDir()).rmdir(QStringLiteral("ZEV-ORER.log")));
    getLogger()->info("recovered");
    QVERIFY(readLog().endsWith("recovered\r\n"));
}

void tst_Logging::toHexLogString_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("one byte") << QByteArray("\x0a", 1) << QByteArray("0a");
    QTest::newRow("three") << QByteArray("\x0a\xff\x3c", 3) << QByteArray("0a ff 3c");
}

void tst_Logging::toHexLogString()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, text);
    QCOMPARE(QByteArray::fromStdString(::toHexLogString(bytes)), text);
}

QTEST_GUILESS_MAIN(tst_Logging)
#include "tst_logging.moc"
