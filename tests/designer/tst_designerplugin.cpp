#include "stackedwidget.h"
#include "ui_pages.h"

#include "testsupport.h"

#include <QPluginLoader>
#include <QtDesigner/QDesignerContainerExtension>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QExtensionManager>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

namespace {
// Designer's core with the one part the plugin uses, its extension manager.
class Core : public QDesignerFormEditorInterface
{
public:
    Core() { setExtensionManager(new QExtensionManager(this)); }
};
} // namespace

class tst_DesignerPlugin : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void widgets_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("container");
        QTest::newRow("stack") << "VNStackedWidget" << true;
        QTest::newRow("dragger") << "WindowDragger" << false;
    }

    void widgets()
    {
        QFETCH(QString, name);
        QFETCH(bool, container);
        QPluginLoader loader(ZEV_ORER_DESIGNER_PLUGIN);
        auto collection = qobject_cast<QDesignerCustomWidgetCollectionInterface *>(loader.instance());
        QVERIFY2(collection, qPrintable(loader.errorString()));
        QDesignerCustomWidgetInterface *widget = collection->customWidgets().value(container ? 0 : 1);
        QCOMPARE(widget->name(), name);
        QCOMPARE(widget->isContainer(), container);

        Core core;
        widget->initialize(&core);
        QWidget form;
        QWidget *created = widget->createWidget(&form);
        QCOMPARE(created->metaObject()->className(), name.toLatin1());
        // Designer manages a container's pages through its container extension, and only a container's.
        auto pages = qt_extension<QDesignerContainerExtension *>(core.extensionManager(), created);
        QCOMPARE(pages != nullptr, container);
        if (!pages)
            return;
        auto page = new QWidget;
        pages->insertWidget(0, page);
        QCOMPARE(pages->widget(0), page);
        pages->remove(0);
        QCOMPARE(pages->count(), 0);
    }

    void form()
    {
        QWidget host;
        Ui::Pages ui;
        ui.setupUi(&host);
        QCOMPARE(ui.stack->widget(1), ui.second);
        QCOMPARE(ui.stack->currentWidget(), ui.first);
    }
};

QTEST_MAIN(tst_DesignerPlugin)
#include "tst_designerplugin.moc"
