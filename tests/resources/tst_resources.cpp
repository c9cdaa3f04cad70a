#include "testsupport.h"

class tst_Resources : public QObject
{
    Q_OBJECT

private slots:
    void sheets_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("images");
        // Dark theme: check boxes, radio and spin buttons, slider handles, combo and splitter arrows, close.
        QTest::newRow("applied") << ":/stylesheet/zevorer.qss" << 1;
        QTest::newRow("dark theme") << ":/stylesheet/dark_theme.qss" << 25;
    }

    void sheets()
    {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        // Read as a zero-terminated string, so a zero byte would cut the sheet.
        QVERIFY(!bytes.contains('\0'));
        QVERIFY(bytes.count('\n') == bytes.count("\r\n") && bytes.count('\r') == bytes.count("\r\n"));
        static const QRegularExpression comment("/\\*.*?\\*/",
                                                QRegularExpression::DotMatchesEverythingOption);
        const QString sheet = QString::fromUtf8(bytes).remove(comment);
        static const QRegularExpression reference(":/icon/[^\")\\s]+");
        QSet<QString> named;
        for (auto it = reference.globalMatch(sheet); it.hasNext();)
            named.insert(it.next().captured());
        for (const QString &image : named)
            QVERIFY2(!QImage(image).isNull(), qPrintable(image));
        QTEST(int(named.size()), "images");
    }

    void generatorReproducesImages()
    {
#ifndef ZEV_ORER_DRAWICONS
        QSKIP("the generator is built only when this project is top-level");
#else
        QTemporaryDir generated;
        QCOMPARE(QProcess::execute(ZEV_ORER_DRAWICONS, {generated.path()}), 0);
        const QStringList names = QDir(":/icon").entryList(QDir::Files, QDir::Name);
        QCOMPARE(QDir(generated.path()).entryList(QDir::Files, QDir::Name), names);
        for (const QString &name : names) {
            const QImage made = QImage(generated.filePath(name)).convertToFormat(QImage::Format_ARGB32);
            const QImage kept = QImage(":/icon/" + name).convertToFormat(QImage::Format_ARGB32);
            QVERIFY2(made.size() == kept.size(), qPrintable(name));
            QCOMPARE(name + firstDifference(kept, made), name);
        }
#endif
    }
};

QTEST_MAIN(tst_Resources)
#include "tst_resources.moc"
