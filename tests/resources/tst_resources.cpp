#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLocale>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QResource>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCodec>

namespace {

struct Image
{
    const char *name;
    QSize size;
};

// Every image compiled into the resources.
const Image images[] = {
    {"btn_close_15x15_s1.png", {15, 15}},
    {"checkbox_checked_20x20_s1.png", {20, 20}},
    {"checkbox_checked_disabled_20x20_s1.png", {20, 20}},
    {"checkbox_indeterminate_20x20_s1.png", {20, 20}},
    {"checkbox_indeterminate_disabled_20x20_s1.png", {20, 20}},
    {"checkbox_unchecked_20x20_s1.png", {20, 20}},
    {"checkbox_unchecked_disabled_20x20_s1.png", {20, 20}},
    {"combox_23_22_s1.png", {23, 22}},
    {"error_40x40_s1.png", {40, 40}},
    {"radiobutton_checked_18x18_s1.png", {18, 18}},
    {"radiobutton_checked_disabled_18x18_s1.png", {18, 18}},
    {"radiobutton_unchecked_18x18_s1.png", {18, 18}},
    {"radiobutton_unchecked_disabled_18x18_s1.png", {18, 18}},
    {"slider_handle_horizontal_27x16_s1.png", {27, 16}},
    {"slider_handle_horizontal_hover_27x16_s1.png", {27, 16}},
    {"slider_handle_vertical_12x23_s1.png", {12, 23}},
    {"spinbox_down_20x11_s1.png", {20, 11}},
    {"spinbox_down_hover_20x11_s1.png", {20, 11}},
    {"spinbox_down_pressed_20x11_s1.png", {20, 11}},
    {"spinbox_up_20x11_s1.png", {20, 11}},
    {"spinbox_up_hover_20x11_s1.png", {20, 11}},
    {"spinbox_up_pressed_20x11_s1.png", {20, 11}},
    {"splitter_handle_arrow_down_8x15_s1.png", {8, 15}},
    {"splitter_handle_arrow_left_8x15_s1.png", {8, 15}},
    {"splitter_handle_arrow_right_8x15_s1.png", {8, 15}},
    {"splitter_handle_arrow_up_8x15_s1.png", {8, 15}},
    {"warning_40x40_s1.png", {40, 40}},
};

const char appliedSheet[] = ":/stylesheet/zevorer.qss";
const char darkTheme[] = ":/stylesheet/dark_theme.qss";

QStringList imageNames()
{
    QStringList names;
    for (const Image &image : images) {
        names << QLatin1String(image.name);
    }
    return names;
}

QStringList allPaths()
{
    QStringList paths{QLatin1String(appliedSheet), QLatin1String(darkTheme)};
    for (const QString &name : imageNames()) {
        paths << QStringLiteral(":/icon/") + name;
    }
    return paths;
}

QByteArray readResource(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

QString withoutComments(const QString &sheet)
{
    static const QRegularExpression comment(QStringLiteral("/\\*.*?\\*/"),
                                            QRegularExpression::DotMatchesEverythingOption);
    return QString(sheet).remove(comment);
}

QStringList parseWarnings;
QtMessageHandler previousHandler = nullptr;

void collectParseWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("Could not parse"))) {
        parseWarnings << message;
    }
    previousHandler(type, context, message);
}

} // namespace

class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void pathsAnswer_data();
    void pathsAnswer();
    void iconFolderHoldsExactlyTheImages();

    void sheetBytes_data();
    void sheetBytes();
    void darkThemeHasNinetyRules();
    void darkThemeNamesItsFontInUtf8();
    void sheetImagesExist_data();
    void sheetImagesExist();
    void sheetStylesPushButtons_data();
    void sheetStylesPushButtons();

    void imageSizeAndAlpha_data();
    void imageSizeAndAlpha();
    void imagePixels_data();
    void imagePixels();
    void generatorWritesEveryImage();
    void generatorReproducesImages_data();
    void generatorReproducesImages();

private:
    QLocale originalLocale;
    QTemporaryDir generated;
    QString generatorFailure;
};

void TestResources::initTestCase()
{
    originalLocale = QLocale();
    previousHandler = qInstallMessageHandler(collectParseWarnings);
    QVERIFY(generated.isValid());
#ifdef ZEV_ORER_DRAWICONS
    QProcess generator;
    generator.start(QStringLiteral(ZEV_ORER_DRAWICONS), {generated.path()});
    if (!generator.waitForFinished(30000) || generator.exitStatus() != QProcess::NormalExit ||
        generator.exitCode() != 0) {
        generatorFailure = generator.errorString() + QLatin1Char(' ') +
                           QString::fromLocal8Bit(generator.readAllStandardError());
    }
#endif
}

void TestResources::cleanup()
{
    QLocale::setDefault(originalLocale);
    qApp->setStyleSheet(QString());
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestResources::pathsAnswer_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("C") << QLocale::c();
    QTest::newRow("zh_CN") << QLocale(QLocale::Chinese, QLocale::China);
    QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany);
}

void TestResources::pathsAnswer()
{
    QFETCH(QLocale, locale);
    QLocale::setDefault(locale);
    // The message box names its icons with a doubled slash.
    const QStringList paths = allPaths() << QStringLiteral("://icon/error_40x40_s1.png")
                                         << QStringLiteral("://icon/warning_40x40_s1.png");
    for (const QString &path : paths) {
        QVERIFY2(!readResource(path).isEmpty(), qPrintable(path));
    }
}

void TestResources::iconFolderHoldsExactlyTheImages()
{
    QCOMPARE(QDir(QStringLiteral(":/icon")).entryList(QDir::Files, QDir::Name), imageNames());
}

void TestResources::sheetBytes_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("asciiOnly");
    QTest::addColumn<bool>("compressed");
    // The resource compiler keeps the short sheet plain and compresses the long one.
    QTest::newRow("applied") << QString::fromLatin1(appliedSheet) << 1250 << true << false;
    QTest::newRow("dark theme") << QString::fromLatin1(darkTheme) << 11496 << false << true;
}

void TestResources::sheetBytes()
{
    QFETCH(QString, path);
    QFETCH(int, size);
    QFETCH(bool, asciiOnly);
    QFETCH(bool, compressed);

    const QByteArray bytes = readResource(path);
    QCOMPARE(bytes.size(), size);
    QVERIFY(!bytes.startsWith("\xEF\xBB\xBF"));
    // The sheet is read as a zero-terminated string.
    QVERIFY(!bytes.contains('\0'));
    QVERIFY(bytes.endsWith("\r\n"));
    for (int i = 0; i < bytes.size(); ++i) {
        if (bytes.at(i) == '\n') {
            QVERIFY2(i > 0 && bytes.at(i - 1) == '\r', qPrintable(QStringLiteral("bare LF at %1").arg(i)));
        } else if (bytes.at(i) == '\r') {
            QVERIFY2(i + 1 < bytes.size() && bytes.at(i + 1) == '\n',
                     qPrintable(QStringLiteral("bare CR at %1").arg(i)));
        }
        if (asciiOnly) {
            QVERIFY2(uchar(bytes.at(i)) < 0x80, qPrintable(QStringLiteral("non-ASCII byte at %1").arg(i)));
        }
    }
    QTextCodec::ConverterState state;
    QTextCodec::codecForName("UTF-8")->toUnicode(bytes.constData(), bytes.size(), &state);
    QCOMPARE(state.invalidChars, 0);

    QCOMPARE(QResource(path).compressionAlgorithm() != QResource::NoCompression, compressed);
}

void TestResources::darkThemeHasNinetyRules()
{
    const QString sheet = withoutComments(QString::fromUtf8(readResource(QLatin1String(darkTheme))));
    QCOMPARE(sheet.count(QLatin1Char('{')), 90);
    QCOMPARE(sheet.count(QLatin1Char('}')), 90);
}

void TestResources::darkThemeNamesItsFontInUtf8()
{
    const QString sheet = QString::fromUtf8(readResource(QLatin1String(darkTheme)));
    QVERIFY(sheet.contains(QStringLiteral("font: 12px \"\u5FAE\u8F6F\u96C5\u9ED1\";")));
}

void TestResources::sheetImagesExist_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("count");
    QTest::newRow("applied") << QString::fromLatin1(appliedSheet) << 1;
    // Six check-box states, four radio-button states, six spin buttons, three slider handles, the
    // combo-box arrow and four splitter arrows, and the close button.
    QTest::newRow("dark theme") << QString::fromLatin1(darkTheme) << 25;
}

void TestResources::sheetImagesExist()
{
    QFETCH(QString, path);
    QFETCH(int, count);

    const QString sheet = withoutComments(QString::fromUtf8(readResource(path)));
    static const QRegularExpression reference(QStringLiteral(":/icon/[^\")\\s]+"));
    QSet<QString> named;
    for (auto it = reference.globalMatch(sheet); it.hasNext();) {
        const QString image = it.next().captured();
        named.insert(image);
        QVERIFY2(!QImage(image).isNull(), qPrintable(image));
    }
    QCOMPARE(named.size(), count);
}

void TestResources::sheetStylesPushButtons_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("style");
    QTest::addColumn<QColor>("face");
    QTest::addColumn<QColor>("hovered");
    QTest::newRow("applied") << QString::fromLatin1(appliedSheet) << QString() << QColor(78, 82, 98)
                             << QColor(63, 109, 169);
    QTest::newRow("dark theme") << QString::fromLatin1(darkTheme) << QString() << QColor(78, 82, 98)
                                << QColor(98, 102, 118);
    QTest::newRow("dark theme, highlight") << QString::fromLatin1(darkTheme) << QStringLiteral("highlight")
                                           << QColor(63, 109, 169) << QColor(73, 119, 179);
}

void TestResources::sheetStylesPushButtons()
{
    QFETCH(QString, path);
    QFETCH(QString, style);
    QFETCH(QColor, face);
    QFETCH(QColor, hovered);

    parseWarnings.clear();
    qApp->setStyleSheet(QString::fromUtf8(readResource(path)));

    QCursor::setPos(-1000, -1000);
    QPushButton button;
    if (!style.isEmpty()) {
        button.setProperty("style", style);
    }
    button.setFixedSize(80, 30);
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    QCOMPARE(parseWarnings, QStringList());

    const QPoint middle(40, 15);
    QCOMPARE(button.grab().toImage().pixelColor(middle), face);
    QTest::mouseMove(&button, middle);
    QTRY_COMPARE(button.grab().toImage().pixelColor(middle), hovered);
}

void TestResources::imageSizeAndAlpha_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    for (const Image &image : images) {
        QTest::newRow(image.name) << QStringLiteral(":/icon/") + QLatin1String(image.name) << image.size;
    }
}

void TestResources::imageSizeAndAlpha()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);

    const QImage image(path);
    QCOMPARE(image.size(), size);
    QVERIFY(image.hasAlphaChannel());
    bool transparent = false;
    bool opaque = false;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(image.pixel(x, y));
            transparent = transparent || alpha == 0;
            opaque = opaque || alpha == 255;
        }
    }
    QVERIFY(opaque);
    // Spin buttons in the hovered and pressed looks fill their whole box.
    if (!path.contains(QLatin1String("_hover_20x11")) && !path.contains(QLatin1String("_pressed_20x11"))) {
        QVERIFY(transparent);
    }
}

void TestResources::imagePixels_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QColor>("color");

    const QString close = QStringLiteral(":/icon/btn_close_15x15_s1.png");
    const QColor grey(130, 134, 143);
    QTest::newRow("close: top-left corner") << close << QPoint(0, 0) << grey;
    QTest::newRow("close: bottom-right corner") << close << QPoint(14, 14) << grey;
    QTest::newRow("close: top-right corner") << close << QPoint(14, 0) << grey;
    QTest::newRow("close: bottom-left corner") << close << QPoint(0, 14) << grey;
    QTest::newRow("close: middle") << close << QPoint(7, 7) << grey;
    QTest::newRow("close: between the arms") << close << QPoint(7, 1) << QColor(Qt::transparent);

    const QString error = QStringLiteral(":/icon/error_40x40_s1.png");
    const QColor red(212, 61, 61);
    QTest::newRow("error: disc") << error << QPoint(20, 6) << red;
    QTest::newRow("error: disc beside the cross") << error << QPoint(27, 20) << red;
    QTest::newRow("error: cross") << error << QPoint(20, 20) << QColor(Qt::transparent);
    QTest::newRow("error: cross arm") << error << QPoint(15, 15) << QColor(Qt::transparent);
    QTest::newRow("error: corner") << error << QPoint(1, 1) << QColor(Qt::transparent);

    const QString warning = QStringLiteral(":/icon/warning_40x40_s1.png");
    const QColor orange(255, 150, 76);
    const QColor ink(48, 51, 58);
    QTest::newRow("warning: triangle") << warning << QPoint(10, 32) << orange;
    QTest::newRow("warning: apex") << warning << QPoint(20, 8) << orange;
    QTest::newRow("warning: stem") << warning << QPoint(20, 20) << ink;
    QTest::newRow("warning: dot") << warning << QPoint(20, 30) << ink;
    QTest::newRow("warning: corner") << warning << QPoint(1, 1) << QColor(Qt::transparent);
}

void TestResources::imagePixels()
{
    QFETCH(QString, path);
    QFETCH(QPoint, pixel);
    QFETCH(QColor, color);

    const QColor actual = QImage(path).pixelColor(pixel);
    if (color.alpha() == 0) {
        QCOMPARE(actual.alpha(), 0);
    } else {
        QCOMPARE(actual, color);
    }
}

void TestResources::generatorWritesEveryImage()
{
#ifndef ZEV_ORER_DRAWICONS
    QSKIP("the generator is built only when this project is top-level");
#endif
    QVERIFY2(generatorFailure.isEmpty(), qPrintable(generatorFailure));
    QCOMPARE(QDir(generated.path()).entryList(QDir::Files, QDir::Name), imageNames());
}

void TestResources::generatorReproducesImages_data()
{
    QTest::addColumn<QString>("name");
    for (const Image &image : images) {
        QTest::newRow(image.name) << QString::fromLatin1(image.name);
    }
}

void TestResources::generatorReproducesImages()
{
#ifndef ZEV_ORER_DRAWICONS
    QSKIP("the generator is built only when this project is top-level");
#endif
    QVERIFY2(generatorFailure.isEmpty(), qPrintable(generatorFailure));
    QFETCH(QString, name);

    const QImage drawn(QDir(generated.path()).filePath(name));
    QVERIFY2(!drawn.isNull(), "the generator did not write this image");
    QVERIFY(drawn == QImage(QStringLiteral(":/icon/") + name));
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
