#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// Each case copies the language probe into a folder of its own, so that the "lang" directory beside it, the
// settings and the log belong to that case alone, and runs it with a chosen system locale.
class tst_Language : public QObject
{
    Q_OBJECT

public:
    enum LangDir {
        NoLangDir,
        LangFile,
        BothPacks,
        ChinesePackOnly,
        EnglishPackOnly,
        BrokenPack,
        ShippedPacks
    };
    Q_ENUM(LangDir)

private Q_SLOTS:
    void start_data();
    void start();
};

namespace {

const char *const organisation = "Ruderu";
const char *const application = "Rezodi\\ui_front";
const QString missing = QStringLiteral("<missing>");
const QString dirMissing = QStringLiteral("The directory \"lang\"  no exist!");

bool copyFile(const QString &from, const QString &to)
{
    return QFile::copy(from, to) && QFile::setPermissions(to, QFile::permissions(from));
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool prepareLangDir(const QString &binDir, tst_Language::LangDir setup)
{
    const QString lang = binDir + QStringLiteral("/lang");
    const QString zh = lang + QStringLiteral("/zh_cn.lpk");
    const QString en = lang + QStringLiteral("/en_us.lpk");
    switch (setup) {
    case tst_Language::NoLangDir:
        return true;
    case tst_Language::LangFile: {
        QFile file(lang);
        return file.open(QIODevice::WriteOnly) && file.write("not a directory") > 0;
    }
    case tst_Language::BrokenPack: {
        QFile file(zh);
        return QDir().mkpath(lang) && file.open(QIODevice::WriteOnly) &&
               file.write("not a translation file") > 0;
    }
    case tst_Language::ShippedPacks: {
        const QString shipped =
            QFileInfo(QStringLiteral(ZEV_ORER_LANGUAGE_PROBE)).path() + QStringLiteral("/lang");
        return QDir().mkpath(lang) && copyFile(shipped + QStringLiteral("/zh_cn.lpk"), zh) &&
               copyFile(shipped + QStringLiteral("/en_us.lpk"), en);
    }
    case tst_Language::BothPacks:
    case tst_Language::ChinesePackOnly:
    case tst_Language::EnglishPackOnly:
        return QDir().mkpath(lang) &&
               (setup == tst_Language::EnglishPackOnly || copyFile(QStringLiteral(PROBE_PACK_ZH_CN), zh)) &&
               (setup == tst_Language::ChinesePackOnly || copyFile(QStringLiteral(PROBE_PACK_EN_US), en));
    }
    return false;
}

QString settingsFile(const QString &configDir)
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configDir);
    return QSettings(QLatin1String(organisation), QLatin1String(application)).fileName();
}

} // namespace

void tst_Language::start_data()
{
    // "stored" is the value found at start; "written" the value expected afterwards, or missing when the
    // settings must stay untouched byte for byte.
    QTest::addColumn<QString>("systemLocale");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<LangDir>("langDir");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<QString>("translators");
    QTest::addColumn<QString>("text");

    const QString zh = QStringLiteral("zh_CN.UTF-8");
    const QString hk = QStringLiteral("zh_HK.UTF-8");
    const QString de = QStringLiteral("de_DE.UTF-8");
    const QString hello = QStringLiteral("Hello");
    const QString chinese = QStringLiteral("你好");
    const QStringList none;
    const QStringList zhMissing{QStringLiteral("The lang file zh_cn.lpk no exist!")};
    const QStringList enMissing{QStringLiteral("The lang file en_us.lpk no exist!")};

    // clang-format off
    QTest::newRow("first start, Chinese system")
        << "zh_TW.UTF-8" << missing << BothPacks << "Chinese" << "zh_TW" << none << "zh_CN" << chinese;
    QTest::newRow("first start, other system")
        << de << missing << BothPacks << "English" << "en_DE" << none << "en_US" << "Hi";
    QTest::newRow("empty value")
        << zh << "" << BothPacks << "Chinese" << "zh_CN" << none << "zh_CN" << chinese;
    QTest::newRow("lower-case chinese")
        << hk << "chinese" << BothPacks << missing << "en_HK" << none << "en_US" << "Hi";
    QTest::newRow("no lang directory")
        << zh << "Chinese" << NoLangDir << missing << "zh_CN" << QStringList{dirMissing} << "" << hello;
    QTest::newRow("lang is a file")
        << zh << "Chinese" << LangFile << missing << "zh_CN" << QStringList{dirMissing} << "" << hello;
    QTest::newRow("Chinese pack missing")
        << zh << "Chinese" << EnglishPackOnly << missing << "zh_CN" << zhMissing << "" << hello;
    QTest::newRow("broken pack")
        << zh << "Chinese" << BrokenPack << missing << "zh_CN" << none << "empty" << hello;
    // Written as QSettings writes a byte array: read up to its first zero byte.
    QTest::newRow("binary value, Chinese up to a zero byte")
        << "en_SG.UTF-8" << "@ByteArray(Chinese\\0\\xff)" << BothPacks << missing << "zh_SG" << none << "zh_CN"
        << chinese;
    QTest::newRow("shipped Chinese pack")
        << zh << "Chinese" << ShippedPacks << missing << "zh_CN" << none << "zh_CN" << hello;
    // clang-format on
}

void tst_Language::start()
{
    QFETCH(QString, systemLocale);
    QFETCH(QString, stored);
    QFETCH(LangDir, langDir);
    QFETCH(QString, written);
    QFETCH(QString, locale);
    QFETCH(QStringList, log);
    QFETCH(QString, translators);
    QFETCH(QString, text);

    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString binDir = root.filePath(QStringLiteral("bin"));
    const QString configDir = root.filePath(QStringLiteral("config"));
    const QString dataDir = root.filePath(QStringLiteral("data"));
    const QString probe = binDir + QStringLiteral("/probe");
    for (const QString &dir : {binDir, configDir, dataDir})
        QVERIFY(QDir().mkpath(dir));
    QVERIFY(copyFile(QStringLiteral(ZEV_ORER_LANGUAGE_PROBE), probe));
    QVERIFY(prepareLangDir(binDir, langDir));

    // Written by hand with blanks around "=", which QSettings never writes, so any write shows in the bytes.
    const QString settingsPath = settingsFile(configDir);
    QByteArray settingsBefore;
    if (stored != missing) {
        settingsBefore = "[General]\nlanguage = " + stored.toUtf8() + "\n";
        QVERIFY(QDir().mkpath(QFileInfo(settingsPath).path()));
        QFile file(settingsPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(settingsBefore), settingsBefore.size());
    }

    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), configDir);
    env.insert(QStringLiteral("XDG_DATA_HOME"), dataDir);
    env.insert(QStringLiteral("LANG"), systemLocale);
    env.insert(QStringLiteral("LC_ALL"), systemLocale);
    env.remove(QStringLiteral("LANGUAGE"));
    process.setProcessEnvironment(env);
    process.start(probe, QStringList());
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);

    QMap<QString, QString> report;
    const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const int equals = line.indexOf(QLatin1Char('='));
        if (equals > 0)
            report.insert(line.left(equals), line.mid(equals + 1));
    }
    QCOMPARE(report.value(QStringLiteral("locale")), locale);
    QCOMPARE(report.value(QStringLiteral("translators")), translators);
    QCOMPARE(report.value(QStringLiteral("text")), text);

    if (written == missing) {
        QCOMPARE(readAll(settingsPath), settingsBefore);
    } else {
        QSettings settings(settingsPath, QSettings::IniFormat);
        QCOMPARE(settings.value(QStringLiteral("language")), QVariant(written));
    }

    const QString logRoot = dataDir + QStringLiteral("/ruderu");
    if (log.isEmpty()) {
        // A run that logs nothing leaves no log behind.
        QVERIFY(!QFileInfo::exists(logRoot));
        return;
    }
    const QRegularExpression format(
        QStringLiteral(R"(^\[\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3}\] \[ZEV-ORER\] \[error\] (.*)$)"));
    QStringList messages;
    const QString logText =
        QString::fromUtf8(readAll(logRoot + QStringLiteral("/Rezodi/log/zevorer/ZEV-ORER.log")));
    const QStringList logLines = logText.split(QLatin1Char('\n'));
    for (QString line : logLines) {
        if (line.isEmpty())
            continue;
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QRegularExpressionMatch match = format.match(line);
        QVERIFY2(match.hasMatch(), qPrintable(line));
        messages << match.captured(1);
    }
    QCOMPARE(messages, log);
}

QTEST_GUILESS_MAIN(tst_Language)
#include "tst_language.moc"
