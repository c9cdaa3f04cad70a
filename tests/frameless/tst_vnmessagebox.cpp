#include "messagebox.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

namespace {
const int allButtons = 0x400 | 0x2000 | 0x800 | 0x400000 | 0x200000 | 0x800000 | 0x2000000 | 0x4000000 |
                       0x8000000 | 0x1000000 | 0x1000 | 0x4000 | 0x8000 | 0x10000 | 0x20000 | 0x40000 |
                       0x80000 | 0x100000 | 0x10000000;

QList<QPushButton *> buttonRow(const VnMessageBox &box)
{
    QList<QPushButton *> buttons;
    auto row = box.findChild<QHBoxLayout *>(QStringLiteral("button_layout"));
    for (int i = 0; i < row->count(); ++i) {
        if (auto button = qobject_cast<QPushButton *>(row->itemAt(i)->widget()))
            buttons << button;
    }
    return buttons;
}

QStringList labels(const VnMessageBox &box)
{
    QStringList texts;
    for (QPushButton *button : buttonRow(box))
        texts << button->text();
    return texts;
}

// Ends the box that is running modally: by clicking the button with the label @p how, by "close" (the title
// strip's button) or by "escape".
void endModalBox(const QString &how, bool *iconShown)
{
    QTimer::singleShot(0, [how, iconShown] {
        auto box = qobject_cast<VnMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        auto icon = box->findChild<QLabel *>(QStringLiteral("icon_label"));
        *iconShown = icon->isVisible() && icon->pixmap(Qt::ReturnByValue).size() == QSize(40, 40);
        if (how == QLatin1String("escape")) {
            QTest::keyClick(box, Qt::Key_Escape);
        } else if (how == QLatin1String("close")) {
            QTest::mouseClick(box->findChild<QPushButton *>(QStringLiteral("close_pushButton")),
                              Qt::LeftButton);
        } else {
            for (QPushButton *button : buttonRow(*box)) {
                if (button->text() == how)
                    QTest::mouseClick(button, Qt::LeftButton);
            }
        }
    });
}

class YesTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "VnMessageBox") == 0 && qstrcmp(sourceText, "Yes") == 0)
            return QStringLiteral("是");
        return QString();
    }
    bool isEmpty() const override { return false; }
};
} // namespace

class TestVnMessageBox : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void buttonOrder_data();
    void buttonOrder();
    void content();
    void clickedButton();
    void staticFunctions_data();
    void staticFunctions();
    void translatedLabels();
};

void TestVnMessageBox::cleanup()
{
    const QWidgetList leaked = QApplication::topLevelWidgets();
    qDeleteAll(leaked);
    QVERIFY(leaked.isEmpty());
}

void TestVnMessageBox::buttonOrder_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("none") << 0 << QStringList();
    QTest::newRow("yes, no") << (0x4000 | 0x10000) << QStringList{"Yes", "No"};
    QTest::newRow("no, then ok") << (0x10000 | 0x400) << QStringList{"Ok", "No"};
    QTest::newRow("save all between help and yes")
        << (0x4000 | 0x1000 | 0x1000000) << QStringList{"Help", "SaveAll", "Yes"};
    QTest::newRow("quit") << (0x10000000 | 0x400000) << QStringList{"Cancel", "Quit"};
    QTest::newRow("unknown bits ignored") << (0x1 | 0x200 | 0x20000000 | 0x400) << QStringList{"Ok"};
    QTest::newRow("all") << allButtons << QStringList{"Ok",       "Open",    "Save",
                                                      "Cancel",   "Close",   "Discard",
                                                      "Apply",    "Reset",   "RestoreDefaults",
                                                      "Help",     "SaveAll", "Yes",
                                                      "YesToAll", "No",      "NoToAll",
                                                      "Abort",    "Retry",   "Ignore",
                                                      "Quit"};
}

void TestVnMessageBox::buttonOrder()
{
    QFETCH(int, buttons);
    QFETCH(QStringList, expected);

    VnMessageBox box(buttons, QStringLiteral("Text"), QString());
    QCOMPARE(labels(box), expected);
    for (QPushButton *button : buttonRow(box)) {
        QVERIFY(!button->isDefault());
        QCOMPARE(button->minimumSize(), QSize(100, 25));
    }
}

void TestVnMessageBox::content()
{
    VnMessageBox box(QMessageBox::Ok, QStringLiteral("See <a href=\"https://example.org\">this</a>"),
                     QString());
    auto text = box.findChild<QLabel *>(QStringLiteral("text_label"));
    QCOMPARE(text->text(),
             QStringLiteral(
                 "<div style=\"line-height:24px;\">See <a href=\"https://example.org\">this</a></div>"));
    QVERIFY(text->openExternalLinks());
    QVERIFY(text->wordWrap());

    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QVERIFY(!box.findChild<QLabel *>(QStringLiteral("icon_label"))->isVisible());
    QCOMPARE(text->width(), 324);
    // Nothing is cut off: the text and the button lie inside the frame's content area.
    const QRect content = box.contentsRect();
    QVERIFY(content.contains(text->geometry()));
    QVERIFY(content.contains(buttonRow(box).at(0)->geometry()));
}

void TestVnMessageBox::clickedButton()
{
    VnMessageBox box(QMessageBox::Yes | QMessageBox::No, QStringLiteral("Text"),
                     QStringLiteral("://icon/warning_40x40_s1.png"));
    QSignalSpy rejected(&box, &QDialog::rejected);
    QCOMPARE(box.clickedButton(), 0);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    auto icon = box.findChild<QLabel *>(QStringLiteral("icon_label"));
    QVERIFY(icon->isVisible());
    QCOMPARE(icon->width(), 56);

    QTest::mouseClick(buttonRow(box).at(1), Qt::LeftButton);
    QCOMPARE(box.clickedButton(), 0x10000);
    QCOMPARE(rejected.count(), 1);
    QVERIFY(!box.isVisible());
}

void TestVnMessageBox::staticFunctions_data()
{
    QTest::addColumn<QString>("function");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("icon");

    QTest::newRow("error, ok") << "error" << 0x400 << "Ok" << 0x400 << true;
    QTest::newRow("warning, no") << "warning" << (0x4000 | 0x10000) << "No" << 0x10000 << true;
    QTest::newRow("information, quit")
        << "information" << (0x10000000 | 0x400) << "Quit" << 0x10000000 << false;
    QTest::newRow("question, yes") << "question" << (0x4000 | 0x10000) << "Yes" << 0x4000 << false;
    QTest::newRow("no buttons, closed") << "question" << 0 << "close" << 0 << false;
    QTest::newRow("closed by escape") << "warning" << (0x4000 | 0x10000) << "escape" << 0 << true;
    QTest::newRow("closed by the title") << "error" << 0x400 << "close" << 0 << true;
}

void TestVnMessageBox::staticFunctions()
{
    QFETCH(QString, function);
    QFETCH(int, buttons);
    QFETCH(QString, how);
    QFETCH(int, expected);
    QFETCH(bool, icon);

    using Run = int (*)(QWidget *, const QString &, const QString &, int, int);
    const QHash<QString, Run> runs{{"error", &VnMessageBox::error},
                                   {"warning", &VnMessageBox::warning},
                                   {"information", &VnMessageBox::information},
                                   {"question", &VnMessageBox::question}};
    bool iconShown = !icon;
    endModalBox(how, &iconShown);
    QCOMPARE(runs.value(function)(nullptr, QStringLiteral("Title"), QStringLiteral("Text"), buttons, 0x400),
             expected);
    QCOMPARE(iconShown, icon);
}

void TestVnMessageBox::translatedLabels()
{
    YesTranslator translator;
    QCoreApplication::installTranslator(&translator);
    VnMessageBox box(QMessageBox::Yes | QMessageBox::No, QStringLiteral("Text"), QString());
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(labels(box), (QStringList{"是", "No"}));
}

QTEST_MAIN(TestVnMessageBox)
#include "tst_vnmessagebox.moc"
