#include "stackedwidget.h"

#include "testsupport.h"

class tst_VNStackedWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void followsCurrentPage()
    {
        QList<QSize> seen; // outlives the stack, whose signal appends to it
        // A parent keeps the window's screen-size clamp of adjustSize() out of the way.
        QWidget window;
        auto *stack = new VNStackedWidget(&window);
        stack->setAutoAdjustSize(true);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        connect(stack, &VNStackedWidget::currentChanged, stack,
                [&] { seen.append(stack->size()); }); // clazy:exclude=lambda-in-connect
        for (const QSize size : {QSize(300, 200), QSize(500, 400)}) {
            auto *page = new QWidget;
            page->resize(size);
            stack->addWidget(page);
        }
        stack->setCurrentIndex(1);
        stack->setCurrentWidget(stack->widget(0));
        // Pages come back at the size they were left with.
        QCOMPARE(seen, (QList<QSize>{{300, 200}, {500, 400}, {300, 200}}));
    }

    void pages()
    {
        VNStackedWidget stack;
        auto *added = new QPushButton("an added page, wider than the inserted one");
        auto *inserted = new QPushButton("inserted");
        stack.addWidget(added);
        QCOMPARE(stack.insertWidget(0, inserted), 0);
        // Without autoAdjustSize a page inserted keeps its size policy and counts, one added does not.
        QCOMPARE(stack.sizeHint(), inserted->sizeHint());
        QSignalSpy changed(&stack, &VNStackedWidget::currentChanged);
        QSignalSpy removed(&stack, &VNStackedWidget::widgetRemoved);
        QWidget foreign;
        static const QRegularExpression foreignWarning("setCurrentWidget: .* not contained in stack");
        QTest::ignoreMessage(QtWarningMsg, foreignWarning);
        stack.setCurrentWidget(&foreign);
        QCOMPARE(stack.currentWidget(), added);
        stack.removeWidget(inserted);
        delete added;
        QCOMPARE(QList<QVariantList>(changed), QList<QVariantList>{{-1}});
        QCOMPARE(QList<QVariantList>(removed), (QList<QVariantList>{{0}, {0}}));
        QCOMPARE(inserted->parent(), &stack); // taken out, not deleted
    }
};

QTEST_MAIN(tst_VNStackedWidget)
#include "tst_vnstackedwidget.moc"
