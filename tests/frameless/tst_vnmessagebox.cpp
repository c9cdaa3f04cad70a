#include "messagebox.h"

#include "testsupport.h"

class TestVnMessageBox : public QObject
{
    Q_OBJECT

public:
    Q_INVOKABLE void openUrl(const QUrl &url) { opened << url; }
    QList<QUrl> opened;

private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void content()
    {
        VnMessageBox box(VnMessageBox::Quit | 0x100000 | 0x4000 | 0x1000 | 0x1000000 | 0x400000 | 0x400,
                         "<a href=\"https://example.org/\">the manual</a> <b>unclosed <i>tags", QString());
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        // The buttons stand in the order of their kinds, whatever the order of the bits.
        QStringList row;
        auto layout = box.findChild<QHBoxLayout *>("button_layout");
        for (int i = 0; i < layout->count(); ++i)
            if (auto button = qobject_cast<QPushButton *>(layout->itemAt(i)->widget()))
                row << button->text();
        QCOMPARE(row, QStringList({"Ok", "Cancel", "Help", "SaveAll", "Yes", "Ignore", "Quit"}));
        // Tab walks them in that order and comes back round.
        QVERIFY(QTest::qWaitForWindowActive(&box));
        QStringList walked;
        for (int i = 0; i <= row.size(); ++i, QTest::keyClick(box.windowHandle(), Qt::Key_Tab))
            walked << QApplication::focusWidget()->property("text").toString();
        QCOMPARE(walked, row + row.mid(0, 1));
        // The text is rich text: its link opens in the browser, and the box stays open.
        QDesktopServices::setUrlHandler("https", this, "openUrl");
        QTest::mouseClick(box.findChild<QLabel *>("text_label"), Qt::LeftButton, Qt::NoModifier,
                          QPoint(10, 12));
        QDesktopServices::unsetUrlHandler("https");
        QCOMPARE(opened, QList<QUrl>{QUrl("https://example.org/")});
        QVERIFY(box.isVisible());
    }

    void answers()
    {
        // A clicked button answers its value; closed by its title strip or with Escape, the box answers 0.
        for (const char *answer : {"retry_pushButton", "close_pushButton", "Escape"}) {
            later(qApp, [answer] {
                QWidget *box = QApplication::activeModalWidget();
                auto *button = box->findChild<QAbstractButton *>(answer);
                button ? button->click() : QTest::keyClick(box->windowHandle(), Qt::Key_Escape);
                QVERIFY2(button || qstrcmp(answer, "Escape") == 0, answer);
            });
            QCOMPARE(VnMessageBox::error(nullptr, "Title", "Text", 0x80000 | 0x40000, 0),
                     qstrcmp(answer, "retry_pushButton") == 0 ? 0x80000 : 0);
        }
    }
};

QTEST_MAIN(TestVnMessageBox)
#include "tst_vnmessagebox.moc"
