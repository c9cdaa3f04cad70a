#include "stackedwidget.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

namespace {

class HintedWidget : public QWidget
{
public:
    explicit HintedWidget(const QSize &hint)
        : hint(hint)
    {}
    QSize sizeHint() const override { return hint; }

private:
    QSize hint;
};

QWidget *pageOfSize(const QSize &size)
{
    auto *page = new QWidget;
    page->resize(size);
    return page;
}

} // namespace

class tst_VNStackedWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void emptyStack();
    void invalidSizeWithoutPages();
    void followsCurrentPage_data();
    void followsCurrentPage();
    void standardRuleIgnoresAddedPages_data();
    void standardRuleIgnoresAddedPages();
    void foreignWidgetWarns();
    void removingPages();
};

void tst_VNStackedWidget::cleanup()
{
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_VNStackedWidget::emptyStack()
{
    VNStackedWidget stack;
    QCOMPARE(stack.count(), 0);
    QCOMPARE(stack.currentIndex(), -1);
    QCOMPARE(stack.currentWidget(), nullptr);
    QCOMPARE(stack.widget(0), nullptr);
    QVERIFY(!stack.autoAdjustSize());
    QVERIFY(dynamic_cast<MyStackedLayout *>(stack.layout()) != nullptr);
    QCOMPARE(stack.property("count").toInt(), 0);
    QCOMPARE(stack.property("currentIndex").toInt(), -1);
}

void tst_VNStackedWidget::invalidSizeWithoutPages()
{
    QWidget window;
    auto *stack = new VNStackedWidget(&window);
    stack->setAutoAdjustSize(true);
    QCOMPARE(stack->layout()->sizeHint(), QSize());
    QCOMPARE(stack->layout()->minimumSize(), QSize());
}

void tst_VNStackedWidget::followsCurrentPage_data()
{
    QTest::addColumn<bool>("shown");
    QTest::newRow("hidden") << false;
    QTest::newRow("shown") << true;
}

void tst_VNStackedWidget::followsCurrentPage()
{
    QFETCH(bool, shown);

    // Declared before the window, so that it outlives the stack whose signal appends to it.
    QList<QSize> seen;
    // A parent keeps the window's screen-size clamp of adjustSize() out of the way.
    QWidget window;
    auto *stack = new VNStackedWidget(&window);
    stack->setFrameStyle(QFrame::Box | QFrame::Plain);
    stack->setLineWidth(3);
    const QSize frame(6, 6);
    QVERIFY(stack->setProperty("autoAdjustSize", true));
    if (shown) {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

    connect(stack, &VNStackedWidget::currentChanged, stack,
            [&] { seen.append(stack->size()); }); // clazy:exclude=lambda-in-connect
    QSignalSpy changed(stack, &VNStackedWidget::currentChanged);

    QWidget *small = pageOfSize({300, 200});
    small->setMinimumSize(120, 90);
    QWidget *large = pageOfSize({500, 400});
    QCOMPARE(stack->addWidget(small), 0);
    QCOMPARE(stack->addWidget(large), 1);
    QCOMPARE(stack->size(), QSize(300, 200) + frame);
    QCOMPARE(stack->minimumSizeHint(), QSize(120, 90) + frame);

    stack->setCurrentIndex(1);
    QCOMPARE(stack->size(), QSize(500, 400) + frame);
    QCOMPARE(stack->minimumSizeHint(), frame);
    // Pages come back at the size they were left with.
    stack->setCurrentWidget(small);
    QCOMPARE(stack->size(), QSize(300, 200) + frame);
    QCOMPARE(large->size(), QSize(500, 400));

    QCOMPARE(changed.count(), 3);
    QCOMPARE(changed.at(1).at(0).toInt(), 1);
    QCOMPARE(seen, (QList<QSize>{QSize(300, 200) + frame, QSize(500, 400) + frame, QSize(300, 200) + frame}));

    // A resized stack resizes the page shown (once the stack is on screen), and the page keeps that size.
    if (shown) {
        stack->resize(QSize(350, 250) + frame);
        QCOMPARE(small->geometry(), QRect(QPoint(3, 3), QSize(350, 250)));
        stack->setCurrentIndex(1);
        stack->setCurrentIndex(0);
        QCOMPARE(stack->size(), QSize(350, 250) + frame);
    }

    // Turning the rule off falls back to the largest hint, which the Ignored pages do not have.
    stack->setAutoAdjustSize(false);
    QCOMPARE(stack->sizeHint(), frame);
}

void tst_VNStackedWidget::standardRuleIgnoresAddedPages_data()
{
    QTest::addColumn<bool>("inserted");
    QTest::addColumn<QSize>("expectedHint");
    QTest::addColumn<QSizePolicy::Policy>("expectedPolicy");

    QTest::newRow("addWidget") << false << QSize(0, 0) << QSizePolicy::Ignored;
    QTest::newRow("insertWidget") << true << QSize(400, 250) << QSizePolicy::Fixed;
}

void tst_VNStackedWidget::standardRuleIgnoresAddedPages()
{
    QFETCH(bool, inserted);
    QFETCH(QSize, expectedHint);
    QFETCH(QSizePolicy::Policy, expectedPolicy);

    VNStackedWidget stack;
    stack.addWidget(new HintedWidget({100, 50}));
    auto *page = new HintedWidget({400, 250});
    page->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    if (inserted)
        QCOMPARE(stack.insertWidget(0, page), 0);
    else
        QCOMPARE(stack.addWidget(page), 1);

    QCOMPARE(page->sizePolicy().horizontalPolicy(), expectedPolicy);
    QCOMPARE(page->sizePolicy().verticalPolicy(), expectedPolicy);
    QCOMPARE(stack.sizeHint(), expectedHint);
    QCOMPARE(stack.indexOf(page), inserted ? 0 : 1);
    QCOMPARE(stack.widget(stack.indexOf(page)), page);
}

void tst_VNStackedWidget::foreignWidgetWarns()
{
    VNStackedWidget stack;
    QWidget *page = pageOfSize({10, 10});
    stack.addWidget(page);
    QSignalSpy changed(&stack, &VNStackedWidget::currentChanged);

    QWidget foreign;
    QTest::ignoreMessage(
        QtWarningMsg,
        qPrintable(QString::asprintf("QStackedWidget::setCurrentWidget: widget %p not contained in stack",
                                     static_cast<void *>(&foreign))));
    stack.setCurrentWidget(&foreign);
    QCOMPARE(stack.currentWidget(), page);
    QCOMPARE(changed.count(), 0);
}

void tst_VNStackedWidget::removingPages()
{
    VNStackedWidget stack;
    QWidget *first = pageOfSize({10, 10});
    QWidget *second = pageOfSize({10, 10});
    QWidget *third = pageOfSize({10, 10});
    for (QWidget *page : {first, second, third})
        stack.addWidget(page);
    stack.setCurrentWidget(second);
    QSignalSpy changed(&stack, &VNStackedWidget::currentChanged);
    QSignalSpy removed(&stack, &VNStackedWidget::widgetRemoved);

    stack.removeWidget(first);
    QCOMPARE(removed.count(), 1);
    QCOMPARE(removed.at(0).at(0).toInt(), 0);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(stack.currentIndex(), 0);
    QCOMPARE(stack.currentWidget(), second);

    // Removing the page shown moves to its successor before the removal is reported.
    stack.removeWidget(second);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toInt(), 0);
    QCOMPARE(removed.count(), 2);
    QCOMPARE(stack.currentWidget(), third);

    delete third;
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.at(1).at(0).toInt(), -1);
    QCOMPARE(removed.count(), 3);
    QCOMPARE(removed.at(2).at(0).toInt(), 0);
    QCOMPARE(stack.count(), 0);
    // Removed pages stay children of the stack; removing does not delete them.
    QCOMPARE(first->parent(), &stack);
}

QTEST_MAIN(tst_VNStackedWidget)
#include "tst_vnstackedwidget.moc"
