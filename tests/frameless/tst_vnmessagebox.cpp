#include "messagebox.h"

#include <QApplication>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

// Stands in for the system browser: records the links that the message box opens.
class LinkRecorder : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened << url; }
};

class TestVnMessageBox : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void content_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << 0 << QStringList() << "See <a href=\"https://example.org/\">the manual</a>.";
        QTest::newRow("unknown bits") << (0x1 | 0x200 | 0x20000000 | 0x400) << QStringList{"Ok"}
                                      << "A <b>long</b> message that wraps over more than one line.";
        QTest::newRow("bits out of order")
            << (VnMessageBox::Quit | 0x100000 | 0x4000 | 0x1000 | 0x1000000 | 0x400000 | 0x400)
            << QStringList{"Ok", "Cancel", "Help", "SaveAll", "Yes", "Ignore", "Quit"}
            << "<b>unclosed <i>tags";
        QTest::newRow("placeholders and an absent image")
            << 0x400 << QStringList{"Ok"}
            << "%1 %2 %L1 100% <img src=\":/icon/absent.png\" width=40 height=40>";
    }

    void content()
    {
        QFETCH(int, buttons);
        QFETCH(QStringList, labels);
        QFETCH(QString, text);
        VnMessageBox box(buttons, text, QString());
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        auto label = box.findChild<QLabel *>(QStringLiteral("text_label"));
        QCOMPARE(label->text(), "<div style=\"line-height:24px;\">" + text + "</div>");
        QVERIFY(label->openExternalLinks());
        // Nothing is cut off: the text lies inside the frame's content area.
        QVERIFY(box.contentsRect().contains(label->geometry()));
        QStringList row;
        auto layout = box.findChild<QHBoxLayout *>(QStringLiteral("button_layout"));
        for (int i = 0; i < layout->count(); ++i) {
            if (auto button = qobject_cast<QPushButton *>(layout->itemAt(i)->widget()))
                row << button->text();
        }
        QCOMPARE(row, labels);
    }

    void linkOpensInBrowser()
    {
        LinkRecorder browser;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "open");
        // The link fills the first lines, so a click near the label's top left corner lands on it.
        VnMessageBox box(0x400,
                         QStringLiteral("<a href=\"https://example.org/help?a=1&amp;b=2\">%1</a>")
                             .arg(QStringLiteral("help ").repeated(30)),
                         QString());
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QTest::mouseClick(box.findChild<QLabel *>(QStringLiteral("text_label")), Qt::LeftButton, {},
                          QPoint(10, 12));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(browser.opened, QList<QUrl>{QUrl(QStringLiteral("https://example.org/help?a=1&b=2"))});
        // Opening a link answers no button.
        QVERIFY(box.isVisible());
        QCOMPARE(box.clickedButton(), 0);
    }

    void staticFunctions_data()
    {
        QTest::addColumn<int>("function");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QString>("click");
        QTest::addColumn<int>("expected");
        // By index: error, warning, information, question; "" is the title strip's close button.
        QTest::newRow("error") << 0 << 0x400 << "Ok" << 0x400;
        QTest::newRow("warning") << 1 << (0x4000 | 0x10000) << "No" << 0x10000;
        QTest::newRow("information") << 2 << (VnMessageBox::Quit | 0x400) << "Quit"
                                     << int(VnMessageBox::Quit);
        QTest::newRow("question") << 3 << (0x4000 | 0x10000) << "Yes" << 0x4000;
        QTest::newRow("closed") << 1 << 0x4000 << "" << 0;
    }

    void staticFunctions()
    {
        QFETCH(int, function);
        QFETCH(int, buttons);
        QFETCH(QString, click);
        QFETCH(int, expected);
        using Run = int (*)(QWidget *, const QString &, const QString &, int, int);
        const Run runs[] = {&VnMessageBox::error, &VnMessageBox::warning, &VnMessageBox::information,
                            &VnMessageBox::question};
        bool iconShown = false;
        QTimer::singleShot(0, qApp, [click, &iconShown] {
            QWidget *box = QApplication::activeModalWidget();
            QVERIFY(box);
            iconShown = box->findChild<QLabel *>(QStringLiteral("icon_label"))->isVisible();
            const QList<QPushButton *> buttons = box->findChildren<QPushButton *>();
            for (QPushButton *button : buttons) {
                if (button->text() == click)
                    QTest::mouseClick(button, Qt::LeftButton);
            }
        });
        QCOMPARE(runs[function](nullptr, QStringLiteral("Title"), QStringLiteral("Text"), buttons, 0),
                 expected);
        QCOMPARE(iconShown, function < 2);
    }
};

QTEST_MAIN(TestVnMessageBox)
#include "tst_vnmessagebox.moc"
