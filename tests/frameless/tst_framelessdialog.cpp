#include "framelessdialog.h"

#include "dialogframelesscontainer.h"
#include "framelessmainwindow.h"
#include "mainwindowframelesscontainer.h"
#include "testsupport.h"

class tst_FramelessDialog : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void destructionOrder_data()
    {
        QTest::addColumn<QString>("victim");
        QTest::addColumn<bool>("inExec");
        for (const char *victim : {"dialog", "container", "container's parent"})
            for (bool inExec : {false, true})
                QTest::addRow("%s%s", victim, inExec ? ", inside exec()" : "") << QString(victim) << inExec;
        // Gone when exec() returns, not later.
        QTest::newRow("WA_DeleteOnClose, done(5) inside exec()") << "none" << true;
    }

    void destructionOrder()
    {
        QFETCH(QString, victim);
        QFETCH(bool, inExec);
        QPointer<QWidget> owner = new QWidget;
        auto *dialog = new VNDialog(owner);
        dialog->setAttribute(Qt::WA_DeleteOnClose, victim == "none");
        const QPointer<QWidget> dialogAlive = dialog, containerAlive = dialog->container();
        const QMap<QString, QWidget *> victims{
            {"dialog", dialog}, {"container", containerAlive}, {"container's parent", owner}};
        QWidget *doomed = victims.value(victim);
        if (inExec) {
            owner->show();
            later(qApp, [doomed] { delete doomed; });
            // Ends the run unless the deletion took the dialog with it.
            later(dialog, [dialog] { dialog->done(5); });
            QCOMPARE(dialog->exec(), doomed ? 0 : 5);
        } else {
            delete doomed;
        }
        QVERIFY(!dialogAlive && !containerAlive);
        delete owner;
    }

    void execEndings_data()
    {
        QTest::addColumn<QString>("ending");
        QTest::addColumn<bool>("modal");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("finished");
        // The close button's ending, the same rejection: the program's walk in tst_main.
        QTest::newRow("Escape") << "Escape" << true << 0 << 1;
        QTest::newRow("Enter, to the default button") << "Enter" << false << 1 << 1;
        QTest::newRow("done(1)") << "done" << false << 1 << 1;
        // Hiding the container ends the run without finishing the dialog.
        QTest::newRow("container hidden") << "hide" << false << 0 << 0;
    }

    void execEndings()
    {
        QFETCH(QString, ending);
        QFETCH(bool, modal);
        QFETCH(int, result);
        VNDialog dialog;
        VNDialogFramelessContainer *container = dialog.container();
        dialog.setModal(modal);
        dialog.setResult(3);
        QList<int> asked;
        // Refuses the first request to end the dialog and allows the next.
        dialog.setDoneGuard([&asked](int r) { return asked << r, asked.size() > 1; });
        QSignalSpy finished(&dialog, &QDialog::finished);
        if (ending == "Enter") {
            // From the focused text field to the default button; without either, keys reach the container.
            new QLineEdit(&dialog);
            auto *ok = new QPushButton("OK", &dialog);
            ok->setDefault(true);
            connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
        }
        const auto end = [&dialog, container, ending, result] {
            if (ending == "Escape" || ending == "Enter") {
                QVERIFY(QTest::qWaitForWindowActive(container));
                QTest::keyClick(container->windowHandle(),
                                ending == "Enter" ? Qt::Key_Enter : Qt::Key_Escape);
            } else if (ending == "hide") {
                container->hide();
            } else {
                dialog.done(result);
            }
        };
        later(qApp, [&] {
            const auto endRunOnFailure = qScopeGuard([container] {
                if (QTest::currentTestFailed())
                    container->hide();
            });
            // The container is the window that blocks the others, not the dialog inside it.
            QCOMPARE(QApplication::activeModalWidget(), modal ? container : nullptr);
            QVERIFY(dialog.isVisible() && !dialog.isModal());
            QTest::ignoreMessage(QtWarningMsg, "QDialog::exec: Recursive call detected");
            QCOMPARE(dialog.exec(), -1);
            end();
            // A refused request leaves the dialog open and the run going on.
            QVERIFY(container->isVisible() == !asked.isEmpty() && finished.isEmpty());
            later(&dialog, end);
        });
        QCOMPARE(dialog.exec(), result);
        QVERIFY(!container->isVisible() && !container->testAttribute(Qt::WA_ShowModal));
        QCOMPARE(dialog.isModal(), modal);
        QTEST(int(finished.count()), "finished");
        QCOMPARE(asked, (finished.isEmpty() ? QList<int>() : QList<int>{result, result}));
        dialog.show(); // done() hid the dialog inside its container, which must not come back empty
        QVERIFY(dialog.isVisible());
    }

    void openAndFullScreen()
    {
        // open() shows the container window-modal, with no loop of its own and the result reset.
        VNDialog dialog;
        dialog.setGeometry(100, 100, 300, 200);
        dialog.setResult(3);
        dialog.open();
        VNDialogFramelessContainer *container = dialog.container();
        QVERIFY(QTest::qWaitForWindowExposed(container));
        QCOMPARE(container->windowModality(), Qt::WindowModal);
        QCOMPARE(dialog.result(), 0);
        // Full screen, and back to the geometry it had.
        const QRect normal = container->geometry();
        dialog.showFullScreen();
        QTRY_VERIFY(dialog.isFullScreen() && container->geometry() != normal);
        dialog.showNormal();
        QTRY_COMPARE(container->geometry(), normal);
    }

    void frameOptions()
    {
        // Each value is set over its opposite, and what the container shows is read back into option bits.
        for (int options : {0x00, 0x05, 0x02, 0x20, 0x50, 0x7f}) {
            VNDialog dialog;
            QCOMPARE(int(dialog.frameOptions()), 0x05);
            dialog.setFrameOptions(VNDialog::FrameOptions(~options & 0x73));
            dialog.setFrameOptions(VNDialog::FrameOptions(options));
            QCOMPARE(int(dialog.frameOptions()), options);
            const QWidget *frame = dialog.frameWidget();
            const QWidget *container = dialog.container();
            const bool shadow = frame->graphicsEffect() && container->layout()->contentsMargins().left() > 0;
            const bool hidden =
                !container->findChild<QToolButton *>("close_toolButton")->isVisibleTo(container);
            QCOMPARE(frame->layout()->spacing() | shadow << 1 | hidden << 4 |
                         frame->property("borderRadius").isValid() << 5 |
                         frame->property("border").isValid() << 6,
                     options & 0x73);
        }
    }

    void keepCenteredOnParent()
    {
        QTest::ignoreMessage(
            QtWarningMsg,
            "VNDialog::keepCenteredOnParent: a dialog with window flags has no container to centre");
        VNDialog(nullptr, Qt::Dialog).keepCenteredOnParent();
        // On the main window's container at once, though the application placed it, and after a resize.
        VNMainWindow owner;
        owner.container()->setGeometry(200, 150, 900, 640);
        auto *dialog = new VNDialog(&owner);
        dialog->container()->move(0, 0);
        dialog->show();
        dialog->keepCenteredOnParent();
        QCOMPARE(dialog->container()->geometry().center(), QPoint(649, 469));
        dialog->container()->resize(400, 330);
        QTRY_COMPARE(dialog->container()->geometry().center(), QPoint(649, 469));
    }
};

QTEST_MAIN(tst_FramelessDialog)
#include "tst_framelessdialog.moc"
