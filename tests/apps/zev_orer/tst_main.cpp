#include <QProcess>
#include <QTest>

// Runs the program's main() as a process (linked with a probe that ends its loop in a chosen way) and checks
// the start-up it reports and the exit code it returns.
class tst_Main : public QObject
{
    Q_OBJECT

private slots:
    void exitCode_data();
    void exitCode();
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

QTEST_GUILESS_MAIN(tst_Main)
#include "tst_main.moc"
