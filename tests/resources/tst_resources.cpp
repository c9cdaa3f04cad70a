#include <QDir>
#include <QFile>
#include <QImage>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString appliedSheet = QStringLiteral(":/stylesheet/zevorer.qss");
const QString darkTheme = QStringLiteral(":/stylesheet/dark_theme.qss");

QByteArray readResource(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString withoutComments(const QByteArray &sheet)
{
    static const QRegularExpression comment(QStringLiteral("/\\*.*?\\*/"),
                                            QRegularExpression::DotMatchesEverythingOption);
    return QString::fromUtf8(sheet).remove(comment);
}

QStringList iconNames()
{
    return QDir(QStringLiteral(":/icon")).entryList(QDir::Files, QDir::Name);
}

} // namespace

class tst_Resources : public QObject
{
    Q_OBJECT

private slots:
    void sheetBytes_data();
    void sheetBytes();
    void sheetImagesExist_data();
    void sheetImagesExist();
    void pathsAnswerWhateverTheLocale();
    void imagesHaveTheirNamedSize();
    void imagePixels_data();
    void imagePixels();
    void generatorReproducesImages();
};

void tst_Resources::sheetBytes_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("asciiOnly");
    QTest::addColumn<int>("rules");

    QTest::newRow("applied") << appliedSheet << 1250 << true << 11;
    QTest::newRow("dark theme") << darkTheme << 11496 << false << 90;
}

void tst_Resources::sheetBytes()
{
    QFETCH(QString, path);
    QFETCH(int, size);
    QFETCH(bool, asciiOnly);
    QFETCH(int, rules);

    const QByteArray bytes = readResource(path);
    QCOMPARE(bytes.size(), size);
    QVERIFY(!bytes.startsWith("\xEF\xBB\xBF"));
    // Read as a zero-terminated string, so a zero byte would cut the sheet.
    QVERIFY(!bytes.contains('\0'));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));
    if (asciiOnly)
        QVERIFY(std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; }));
    const QString sheet = withoutComments(bytes);
    QCOMPARE(sheet.count(QLatin1Char('{')), rules);
    QCOMPARE(sheet.count(QLatin1Char('}')), rules);
}

void tst_Resources::sheetImagesExist_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("count");

    QTest::newRow("applied") << appliedSheet << 1;
    // Check boxes, radio buttons, spin buttons, slider handles, combo-box arrow, splitter arrows, close
    // button.
    QTest::newRow("dark theme") << darkTheme << 25;
}

void tst_Resources::sheetImagesExist()
{
    QFETCH(QString, path);
    QFETCH(int, count);

    static const QRegularExpression reference(QStringLiteral(":/icon/[^\")\\s]+"));
    QSet<QString> named;
    for (auto it = reference.globalMatch(withoutComments(readResource(path))); it.hasNext();) {
        const QString image = it.next().captured();
        named.insert(image);
        QVERIFY2(!QImage(image).isNull(), qPrintable(image));
    }
    QCOMPARE(named.size(), count);
}

void tst_Resources::pathsAnswerWhateverTheLocale()
{
    // The message box names its icons with a doubled slash, which the resource lookup cleans.
    const QStringList paths{appliedSheet, darkTheme, QStringLiteral("://icon/error_40x40_s1.png"),
                            QStringLiteral("://icon/warning_40x40_s1.png")};
    for (const QLocale &locale : {QLocale::c(), QLocale(QLocale::Chinese, QLocale::China)}) {
        QLocale::setDefault(locale);
        for (const QString &path : paths)
            QVERIFY2(!readResource(path).isEmpty(), qPrintable(path));
    }
    QLocale::setDefault(QLocale::system());
}

void tst_Resources::imagesHaveTheirNamedSize()
{
    // Names end in "<width>x<height>_s1.png" (the combo-box arrow uses "_" between the two).
    static const QRegularExpression sized(QStringLiteral("(\\d+)[x_](\\d+)_s1\\.png$"));
    const QStringList names = iconNames();
    QCOMPARE(names.size(), 27);
    for (const QString &name : names) {
        const auto match = sized.match(name);
        QVERIFY2(match.hasMatch(), qPrintable(name));
        const QImage image(QStringLiteral(":/icon/") + name);
        QCOMPARE(image.size(), QSize(match.captured(1).toInt(), match.captured(2).toInt()));
        QVERIFY2(image.hasAlphaChannel(), qPrintable(name));
    }
}

void tst_Resources::imagePixels_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QColor>("color");

    const QString close = QStringLiteral(":/icon/btn_close_15x15_s1.png");
    QTest::newRow("close: corner") << close << QPoint(14, 0) << QColor(130, 134, 143);
    QTest::newRow("close: between the arms") << close << QPoint(7, 1) << QColor(Qt::transparent);
    const QString error = QStringLiteral(":/icon/error_40x40_s1.png");
    QTest::newRow("error: disc") << error << QPoint(20, 6) << QColor(212, 61, 61);
    QTest::newRow("error: cross cut out") << error << QPoint(20, 20) << QColor(Qt::transparent);
    const QString warning = QStringLiteral(":/icon/warning_40x40_s1.png");
    QTest::newRow("warning: triangle") << warning << QPoint(10, 32) << QColor(255, 150, 76);
    QTest::newRow("warning: mark") << warning << QPoint(20, 20) << QColor(48, 51, 58);
}

void tst_Resources::imagePixels()
{
    QFETCH(QString, path);
    QFETCH(QPoint, pixel);
    QFETCH(QColor, color);

    const QColor actual = QImage(path).pixelColor(pixel);
    if (color.alpha() == 0)
        QCOMPARE(actual.alpha(), 0);
    else
        QCOMPARE(actual, color);
}

void tst_Resources::generatorReproducesImages()
{
#ifndef ZEV_ORER_DRAWICONS
    QSKIP("the generator is built only when this project is top-level");
#else
    QTemporaryDir generated;
    QProcess generator;
    generator.start(QStringLiteral(ZEV_ORER_DRAWICONS), {generated.path()});
    QVERIFY(generator.waitForFinished(30000));
    QCOMPARE(generator.exitCode(), 0);
    const QStringList names = iconNames();
    QCOMPARE(QDir(generated.path()).entryList(QDir::Files, QDir::Name), names);
    for (const QString &name : names)
        QVERIFY2(QImage(generated.filePath(name)) == QImage(QStringLiteral(":/icon/") + name),
                 qPrintable(name));
#endif
}

QTEST_MAIN(tst_Resources)
#include "tst_resources.moc"
