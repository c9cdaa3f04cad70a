#include "framelessdialog.h"

#include "dialogframelesscontainer.h"
#include "framelessmainwindow.h"
#include "mainwindowframelesscontainer.h"

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>

namespace {

// Runs @p act from inside the event loop that the caller is about to enter.
void whenRunning(std::function<void()> act)
{
    QTimer::singleShot(0, qApp, std::move(act));
}

QToolButton *closeButton(const VNDialog &dialog)
{
    return dialog.container()->findChild<QToolButton *>(QStringLiteral("close_toolButton"));
}

// Counts how often @p object announces its destruction.
void countDestruction(QObject *object, int *count)
{
    QObject::connect(object, &QObject::destroyed, [count] { ++*count; });
}

enum Ending { CloseButton, Accept, DoneSeven, EscapeKey, ContainerHidden };
enum Victim { DialogItself, Container, ContainerParent };

} // namespace

class tst_FramelessDialog : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void construction();
    void destructionOrder_data();
    void destructionOrder();
    void execResults_data();
    void execResults();
    void doneGuard();
    void recursiveExec();
    void deleteOnClose();
    void destroyedDuringExec_data();
    void destroyedDuringExec();
    void modality_data();
    void modality();
    void open();
    void placedOnceAndShownAgain();
    void flagsPathBehavesAsQDialog();
    void frameOptions_data();
    void frameOptions();
    void centring_data();
    void centring();
};

void tst_FramelessDialog::cleanup()
{
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_FramelessDialog::construction()
{
    QWidget owner;
    VNDialog dialog(&owner);
    VNDialogFramelessContainer *container = dialog.container();
    QVERIFY(container);
    QCOMPARE(dialog.parentWidget(), container);
    QCOMPARE(container->parentWidget(), &owner);
    QVERIFY(container->isWindow());
    QCOMPARE(dialog.frameWidget(), container->frameWidget());
    QVERIFY(!container->findChild<QWidget *>(QStringLiteral("minimize_toolButton"))->isVisibleTo(container));
    QVERIFY(!container->findChild<QWidget *>(QStringLiteral("maximize_toolButton"))->isVisibleTo(container));
    // Placed only when first shown.
    QVERIFY(!container->dialog());
    QCOMPARE(dialog.frameOptions(), VNDialog::FrameOptions(0x5));
    QCOMPARE(dialog.result(), 0);
}

void tst_FramelessDialog::destructionOrder_data()
{
    QTest::addColumn<int>("victim");
    QTest::addColumn<bool>("shown");
    QTest::newRow("dialog") << int(DialogItself) << false;
    QTest::newRow("dialog, shown") << int(DialogItself) << true;
    QTest::newRow("container") << int(Container) << false;
    QTest::newRow("container, shown") << int(Container) << true;
    QTest::newRow("container's parent") << int(ContainerParent) << false;
    QTest::newRow("container's parent, shown") << int(ContainerParent) << true;
}

void tst_FramelessDialog::destructionOrder()
{
    QFETCH(int, victim);
    QFETCH(bool, shown);

    auto *owner = new QWidget;
    auto *dialog = new VNDialog(owner);
    VNDialogFramelessContainer *container = dialog->container();
    int dialogGone = 0;
    int containerGone = 0;
    countDestruction(dialog, &dialogGone);
    countDestruction(container, &containerGone);
    if (shown)
        dialog->show();

    switch (victim) {
    case DialogItself:
        delete dialog;
        break;
    case Container:
        delete container;
        break;
    case ContainerParent:
        delete owner;
        owner = nullptr;
        break;
    }
    QCOMPARE(dialogGone, 1);
    QCOMPARE(containerGone, 1);
    delete owner;
}

void tst_FramelessDialog::execResults_data()
{
    QTest::addColumn<int>("ending");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("finished");
    QTest::addColumn<int>("accepted");
    QTest::addColumn<int>("rejected");
    QTest::newRow("close button") << int(CloseButton) << 0 << 1 << 0 << 1;
    QTest::newRow("accept") << int(Accept) << 1 << 1 << 1 << 0;
    QTest::newRow("done(7)") << int(DoneSeven) << 7 << 1 << 0 << 0;
    QTest::newRow("escape") << int(EscapeKey) << 0 << 1 << 0 << 1;
    // Hiding the container ends the run without finishing the dialog.
    QTest::newRow("container hidden") << int(ContainerHidden) << 0 << 0 << 0 << 0;
}

void tst_FramelessDialog::execResults()
{
    QFETCH(int, ending);
    QFETCH(int, result);

    VNDialog dialog;
    dialog.setResult(3);
    QSignalSpy finished(&dialog, &QDialog::finished);
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    QSignalSpy rejected(&dialog, &QDialog::rejected);
    whenRunning([&dialog, ending] {
        QVERIFY(dialog.container()->isVisible());
        QVERIFY(dialog.isVisible());
        switch (ending) {
        case CloseButton:
            closeButton(dialog)->click();
            break;
        case Accept:
            dialog.accept();
            break;
        case DoneSeven:
            dialog.done(7);
            break;
        case EscapeKey:
            QTest::keyClick(&dialog, Qt::Key_Escape);
            break;
        case ContainerHidden:
            dialog.container()->hide();
            break;
        }
    });
    QCOMPARE(dialog.exec(), result);
    QVERIFY(!dialog.container()->isVisible());
    QTEST(finished.count(), "finished");
    QTEST(accepted.count(), "accepted");
    QTEST(rejected.count(), "rejected");
    if (!finished.isEmpty())
        QCOMPARE(finished.first().first().toInt(), result);
}

void tst_FramelessDialog::doneGuard()
{
    VNDialog dialog;
    QList<int> asked;
    bool allow = false;
    dialog.setDoneGuard([&](int r) {
        asked << r;
        return allow;
    });
    QSignalSpy finished(&dialog, &QDialog::finished);
    whenRunning([&] {
        closeButton(dialog)->click();
        dialog.done(2);
        // Refused: still open, nothing emitted, and the run goes on.
        QVERIFY(dialog.container()->isVisible());
        QCOMPARE(finished.count(), 0);
        allow = true;
        QTimer::singleShot(0, &dialog, [&dialog] { dialog.done(1); });
    });
    QCOMPARE(dialog.exec(), 1);
    QCOMPARE(asked, QList<int>({0, 2, 1}));
    QCOMPARE(finished.count(), 1);

    dialog.setDoneGuard(nullptr);
    dialog.show();
    dialog.done(4);
    QCOMPARE(dialog.result(), 4);
    QCOMPARE(asked.size(), 3);
}

void tst_FramelessDialog::recursiveExec()
{
    VNDialog dialog;
    whenRunning([&dialog] {
        QTest::ignoreMessage(QtWarningMsg, "QDialog::exec: Recursive call detected");
        QCOMPARE(dialog.exec(), -1);
        QVERIFY(dialog.container()->isVisible());
        dialog.accept();
    });
    QCOMPARE(dialog.exec(), 1);
}

void tst_FramelessDialog::deleteOnClose()
{
    auto *dialog = new VNDialog;
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<VNDialog> alive(dialog);
    QPointer<VNDialogFramelessContainer> container(dialog->container());
    whenRunning([dialog] { dialog->done(5); });
    QCOMPARE(dialog->exec(), 5);
    // Gone when exec() returns, not later.
    QVERIFY(!alive);
    QVERIFY(!container);
}

void tst_FramelessDialog::destroyedDuringExec_data()
{
    QTest::addColumn<int>("victim");
    QTest::newRow("dialog") << int(DialogItself);
    // An application closing its main window while one of its dialogs runs.
    QTest::newRow("container's parent") << int(ContainerParent);
}

void tst_FramelessDialog::destroyedDuringExec()
{
    QFETCH(int, victim);
    auto *owner = new QWidget;
    owner->show();
    auto *dialog = new VNDialog(owner);
    QPointer<VNDialogFramelessContainer> container(dialog->container());
    whenRunning([&] {
        dialog->setResult(1);
        if (victim == DialogItself)
            delete dialog;
        else
            delete owner;
    });
    QCOMPARE(dialog->exec(), int(QDialog::Rejected));
    QVERIFY(!container);
    if (victim == DialogItself)
        delete owner;
}

void tst_FramelessDialog::modality_data()
{
    QTest::addColumn<bool>("modal");
    QTest::newRow("non-modal") << false;
    QTest::newRow("modal") << true;
}

void tst_FramelessDialog::modality()
{
    QFETCH(bool, modal);
    VNDialog dialog;
    dialog.setModal(modal);
    VNDialogFramelessContainer *container = dialog.container();
    QVERIFY(!container->testAttribute(Qt::WA_ShowModal));
    whenRunning([&] {
        QCOMPARE(container->testAttribute(Qt::WA_ShowModal), modal);
        QCOMPARE(QApplication::activeModalWidget(), modal ? container : nullptr);
        QVERIFY(!dialog.isModal());
        dialog.accept();
    });
    QCOMPARE(dialog.exec(), 1);
    QVERIFY(!container->testAttribute(Qt::WA_ShowModal));
    QCOMPARE(dialog.isModal(), modal);
}

void tst_FramelessDialog::open()
{
    VNDialog dialog;
    dialog.setResult(9);
    QSignalSpy finished(&dialog, &QDialog::finished);
    dialog.open();
    VNDialogFramelessContainer *container = dialog.container();
    QVERIFY(container->isVisible());
    QCOMPARE(container->windowModality(), Qt::WindowModal);
    QVERIFY(!container->testAttribute(Qt::WA_SetWindowModality));
    QCOMPARE(dialog.windowModality(), Qt::NonModal);
    QCOMPARE(dialog.result(), 0);

    closeButton(dialog)->click();
    QVERIFY(!container->isVisible());
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.first().first().toInt(), 0);
}

void tst_FramelessDialog::placedOnceAndShownAgain()
{
    VNDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Options"));
    dialog.resize(320, 200);
    dialog.show();
    dialog.show();
    VNDialogFramelessContainer *container = dialog.container();
    QCOMPARE(container->dialog(), &dialog);
    QCOMPARE(dialog.parentWidget()->layout()->count(), 1);
    auto *title = container->findChild<QLabel *>(QStringLiteral("title_label"));
    QCOMPARE(title->text(), QStringLiteral("Options"));
    dialog.setWindowTitle(QStringLiteral("Settings"));
    QCOMPARE(title->text(), QStringLiteral("Settings"));

    dialog.accept();
    QVERIFY(dialog.isHidden());
    dialog.show();
    QVERIFY(container->isVisible());
    QVERIFY(dialog.isVisible());
}

namespace {

// What a dialog does under the same calls, for comparing a dialog with window flags with QDialog.
template <class D> QStringList observe(D &dialog)
{
    QStringList seen;
    QTimer::singleShot(0, &dialog, [&dialog] { dialog.accept(); });
    seen << QString::number(dialog.exec()) << QString::number(dialog.isVisible());
    dialog.open();
    seen << QString::number(dialog.isVisible()) << QString::number(dialog.windowModality());
    dialog.reject();
    dialog.show();
    seen << QString::number(dialog.isVisible()) << QString::number(dialog.isWindow())
         << QString::number(dialog.result());
    dialog.showFullScreen();
    seen << QString::number(dialog.isFullScreen());
    dialog.showNormal();
    seen << QString::number(dialog.isFullScreen()) << QString::number(dialog.parentWidget() != nullptr);
    dialog.hide();
    return seen;
}

} // namespace

void tst_FramelessDialog::flagsPathBehavesAsQDialog()
{
    QWidget owner;
    QDialog plain(&owner, Qt::Dialog);
    VNDialog flagged(&owner, Qt::Dialog);
    QVERIFY(!flagged.container());
    QVERIFY(!flagged.frameWidget());
    QCOMPARE(observe(flagged), observe(plain));

    flagged.setFrameOptions(VNDialog::FrameShadow);
    QCOMPARE(flagged.frameOptions(), VNDialog::FrameOptions(VNDialog::FrameShadow));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^VNDialog::keepCenteredOnParent: "));
    flagged.keepCenteredOnParent();
}

void tst_FramelessDialog::frameOptions_data()
{
    QTest::addColumn<int>("options");
    QTest::addColumn<int>("spacing");
    QTest::addColumn<bool>("shadow");
    QTest::addColumn<bool>("closeButton");
    QTest::addColumn<bool>("border");
    QTest::addColumn<bool>("radius");
    QTest::newRow("none") << 0x00 << 0 << false << true << false << false;
    QTest::newRow("spacing") << 0x01 << 1 << false << true << false << false;
    QTest::newRow("shadow") << 0x02 << 0 << true << true << false << false;
    QTest::newRow("no close button") << 0x10 << 0 << false << false << false << false;
    QTest::newRow("rounded") << 0x20 << 0 << false << true << false << true;
    QTest::newRow("border") << 0x40 << 0 << false << true << true << false;
    QTest::newRow("bits without effect") << 0x0c << 0 << false << true << false << false;
    QTest::newRow("all") << 0x73 << 1 << true << false << true << true;
}

void tst_FramelessDialog::frameOptions()
{
    QFETCH(int, options);
    VNDialog dialog;
    VNDialogFramelessContainer *container = dialog.container();
    // Every row starts from the opposite of most of its bits.
    dialog.setFrameOptions(VNDialog::FrameOptions(~options & 0x73));
    dialog.setFrameOptions(VNDialog::FrameOptions(options));
    QCOMPARE(int(dialog.frameOptions()), options);

    QWidget *frame = dialog.frameWidget();
    QTEST(frame->layout()->spacing(), "spacing");
    QTEST(frame->graphicsEffect() != nullptr, "shadow");
    QTEST(container->layout()->contentsMargins().left() > 0, "shadow");
    QTEST(closeButton(dialog)->isVisibleTo(container), "closeButton");
    QTEST(frame->property("border").isValid(), "border");
    QTEST(frame->property("borderRadius").isValid(), "radius");
}

void tst_FramelessDialog::centring_data()
{
    QTest::addColumn<QString>("parentKind");
    QTest::newRow("widget") << "widget";
    QTest::newRow("main window") << "main window";
    QTest::newRow("none") << "none";
}

void tst_FramelessDialog::centring()
{
    QFETCH(QString, parentKind);
    std::unique_ptr<QWidget> owner;
    QWidget *window = nullptr;
    if (parentKind == QLatin1String("widget")) {
        owner = std::make_unique<QWidget>();
        window = owner.get();
    } else if (parentKind == QLatin1String("main window")) {
        auto *mainWindow = new VNMainWindow;
        owner.reset(mainWindow);
        window = mainWindow->container();
    }
    if (auto *mainWindow = qobject_cast<VNMainWindow *>(owner.get()))
        mainWindow->show();
    else if (window)
        window->show();
    if (window)
        window->setGeometry(200, 150, 900, 640);
    const QPoint centre = window ? window->mapToGlobal(window->rect().center())
                                 : QGuiApplication::primaryScreen()->availableGeometry().center();

    auto *dialog = new VNDialog(owner.get());
    dialog->setGeometry(10, 10, 240, 160);
    dialog->show();
    VNDialogFramelessContainer *container = dialog->container();
    QVERIFY(container->geometry().center() != centre);
    dialog->keepCenteredOnParent();
    QCOMPARE(container->geometry().center(), centre);
    container->resize(400, 330);
    QTRY_COMPARE(container->geometry().center(), centre);
    QCOMPARE(container->size(), QSize(400, 330));
    delete dialog;
}

QTEST_MAIN(tst_FramelessDialog)
#include "tst_framelessdialog.moc"
