#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// Runs the program's main() as a process (linked with a probe that ends its loop in a chosen way) and checks
// the start-up it reports and the exit code it returns.
class tst_Main : public QObject
{
    Q_OBJECT

private slots:
    void exitCode_data();
    void exitCode();
    void unopenableLogEndsWithMessage();
};

void tst_Main::exitCode_data()
{
    QTest::addColumn<QString>("end");
    QTest::addColumn<int>("status");

    QTest::newRow("exit 3") << "exit:3" << 3;
    QTest::newRow("exit 0") << "exit:0" << 0;
    // The process status holds the low 8 bits of main's int: -3 shows as 253.
    QTest::newRow("exit -3") << "exit:-3" << 253;
    QTest::newRow("quit") << "quit" << 0;
    QTest::newRow("last window closed") << "close" << 0;
    // The window is shown and the application's loop runs, so a dialog's own result does not become the code.
    QTest::newRow("dialog done 7") << "done:7" << 0;
}

void tst_Main::exitCode()
{
    QFETCH(QString, end);
    QFETCH(int, status);

    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ZEV_ORER_PROBE_END"), end);
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(ZEV_ORER_PROBE), QStringList());
    QVERIFY(program.waitForFinished(30000));
    const QByteArray out = program.readAllStandardOutput();

    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), status);
    QVERIFY2(out.contains("highdpi=1\n"), out.constData());
    QVERIFY2(!out.contains("stylesheet=0\n"), out.constData());
    QVERIFY2(out.contains("organization= application=zev_orer_probe\n"), out.constData());
    QVERIFY2(!out.contains("window=none"), out.constData());
}

void tst_Main::unopenableLogEndsWithMessage()
{
    // Without a "lang" folder beside it the program logs at start-up, and the log file is a folder here.
    QTemporaryDir root;
    const QString program = root.filePath(QStringLiteral("zev_orer_probe"));
    QVERIFY(QFile::copy(QStringLiteral(ZEV_ORER_PROBE), program));
    QVERIFY(QFile::setPermissions(program, QFile::permissions(QStringLiteral(ZEV_ORER_PROBE))));
    QVERIFY(QDir().mkpath(root.filePath(QStringLiteral("data/ruderu/Rezodi/log/zevorer/ZEV-ORER.log"))));

    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), root.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("ZEV_ORER_PROBE_END"), QStringLiteral("exit:0"));
    process.setProcessEnvironment(env);
    process.start(program, QStringList());
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 1);
    const QByteArray errors = process.readAllStandardError();
    QVERIFY2(errors.contains("zev_orer: Failed opening file "), errors.constData());
}

QTEST_GUILESS_MAIN(tst_Main)
#include "tst_main.moc"
