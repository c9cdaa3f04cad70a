#include "messagebox.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

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
        QTest::newRow("bits out of order")
            << (VnMessageBox::Quit | 0x100000 | 0x4000 | 0x1000 | 0x1000000 | 0x400000 | 0x400)
            << QStringList{"Ok", "Cancel", "Help", "SaveAll", "Yes", "Ignore", "Quit"}
            << "<b>unclosed <i>tags <a href=\"https://example.org/\">the manual</a>";
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
        QStringList row;
        auto layout = box.findChild<QHBoxLayout *>(QStringLiteral("button_layout"));
        for (int i = 0; i < layout->count(); ++i) {
            if (auto button = qobject_cast<QPushButton *>(layout->itemAt(i)->widget()))
                row << button->text();
        }
        QCOMPARE(row, labels);
    }

    void staticFunctions_data()
    {
        QTest::addColumn<QString>("click");
        QTest::addColumn<int>("expected");
        // "" is the title strip's close button.
        QTest::newRow("No") << "No" << 0x10000;
        QTest::newRow("closed") << "" << 0;
    }

    void staticFunctions()
    {
        QFETCH(QString, click);
        QFETCH(int, expected);
        QTimer::singleShot(0, qApp, [click] {
            QWidget *box = QApplication::activeModalWidget();
            QVERIFY(box);
            const QList<QPushButton *> buttons = box->findChildren<QPushButton *>();
            for (QPushButton *button : buttons) {
                if (button->text() == click)
                    QTest::mouseClick(button, Qt::LeftButton);
            }
        });
        QCOMPARE(VnMessageBox::warning(nullptr, QStringLiteral("Title"), QStringLiteral("Text"),
                                       0x4000 | 0x10000, 0),
                 expected);
    }
};

QTEST_MAIN(TestVnMessageBox)
#include "tst_vnmessagebox.moc"
