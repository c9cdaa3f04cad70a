#include "messagebox.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {
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

// Ends the box that runs modally next: with the button labelled @p how, "close" (the title strip's button) or
// "escape"; tells whether it showed a 40 x 40 icon.
void endModalBox(const QString &how, bool *iconShown)
{
    QTimer::singleShot(0, qApp, [how, iconShown] {
        auto box = qobject_cast<VnMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        auto icon = box->findChild<QLabel *>(QStringLiteral("icon_label"));
        *iconShown = icon->isVisible() && icon->pixmap(Qt::ReturnByValue).size() == QSize(40, 40);
        if (how == QLatin1String("escape"))
            QTest::keyClick(box, Qt::Key_Escape);
        else if (how == QLatin1String("close"))
            QTest::mouseClick(box->findChild<QPushButton *>(QStringLiteral("close_pushButton")),
                              Qt::LeftButton);
        const QList<QPushButton *> buttons = buttonRow(*box);
        for (QPushButton *button : buttons) {
            if (button->text() == how)
                QTest::mouseClick(button, Qt::LeftButton);
        }
    });
}
} // namespace

class TestVnMessageBox : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void buttonOrder_data();
    void buttonOrder();
    void clickedButton();
    void staticFunctions_data();
    void staticFunctions();
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

    const QStringList all{
        "Ok",   "Open",    "Save", "Cancel",   "Close", "Discard", "Apply", "Reset", "RestoreDefaults",
        "Help", "SaveAll", "Yes",  "YesToAll", "No",    "NoToAll", "Abort", "Retry", "Ignore",
        "Quit"};
    QTest::newRow("none") << 0 << QStringList();
    QTest::newRow("no, then ok") << (0x10000 | 0x400) << QStringList{"Ok", "No"};
    QTest::newRow("save all") << (0x4000 | 0x1000 | 0x1000000) << QStringList{"Help", "SaveAll", "Yes"};
    QTest::newRow("unknown bits") << (0x1 | 0x200 | 0x20000000 | 0x400) << QStringList{"Ok"};
    QTest::newRow("all") << 0x1ffffc00 << all;
}

void TestVnMessageBox::buttonOrder()
{
    QFETCH(int, buttons);
    QFETCH(QStringList, expected);

    VnMessageBox box(buttons, QStringLiteral("Text"), QString());
    QStringList labels;
    const QList<QPushButton *> row = buttonRow(box);
    for (QPushButton *button : row)
        labels << button->text();
    QCOMPARE(labels, expected);
}

void TestVnMessageBox::clickedButton()
{
    VnMessageBox box(0x4000 | 0x10000,
                     QStringLiteral("A <b>long</b> message that wraps over more than one line."), QString());
    QCOMPARE(box.clickedButton(), 0);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    // Nothing is cut off: text and buttons lie inside the frame's content area.
    auto text = box.findChild<QLabel *>(QStringLiteral("text_label"));
    QCOMPARE(text->width(), 324);
    QVERIFY(box.contentsRect().contains(text->geometry()));
    QVERIFY(box.contentsRect().contains(buttonRow(box).at(1)->geometry()));

    QTest::mouseClick(buttonRow(box).at(1), Qt::LeftButton);
    QCOMPARE(box.clickedButton(), 0x10000);
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
    QTest::newRow("escape") << "warning" << (0x4000 | 0x10000) << "escape" << 0 << true;
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
    QCOMPARE(runs.value(function)(nullptr, QStringLiteral("Title"), QStringLiteral("Text"), buttons, 0),
             expected);
    QCOMPARE(iconShown, icon);
}

QTEST_MAIN(TestVnMessageBox)
#include "tst_vnmessagebox.moc"
