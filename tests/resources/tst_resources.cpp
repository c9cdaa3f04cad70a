#include <QDir>
#include <QFile>
#include <QImage>
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
    // Qt's raster engine takes different SIMD paths on different processors, which may round an antialiased
    // pixel differently: a channel may differ by 2.
    for (const QString &name : names) {
        const QImage made = QImage(generated.filePath(name)).convertToFormat(QImage::Format_ARGB32);
        const QImage kept = QImage(QStringLiteral(":/icon/") + name).convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(made.size() == kept.size(), qPrintable(name));
        for (int y = 0; y < kept.height(); ++y) {
            for (int x = 0; x < kept.width(); ++x) {
                const QRgb a = made.pixel(x, y), b = kept.pixel(x, y);
                QVERIFY2(qAbs(qRed(a) - qRed(b)) <= 2 && qAbs(qGreen(a) - qGreen(b)) <= 2 &&
                             qAbs(qBlue(a) - qBlue(b)) <= 2 && qAbs(qAlpha(a) - qAlpha(b)) <= 2,
                         qPrintable(QStringLiteral("%1 at %2,%3").arg(name).arg(x).arg(y)));
            }
        }
    }
#endif
}

QTEST_MAIN(tst_Resources)
#include "tst_resources.moc"
