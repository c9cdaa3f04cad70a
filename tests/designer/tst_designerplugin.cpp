#include "testsupport.h"
#include "ui_pages.h"

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

    void widgets()
    {
        QPluginLoader loader(ZEV_ORER_DESIGNER_PLUGIN);
        auto collection = qobject_cast<QDesignerCustomWidgetCollectionInterface *>(loader.instance());
        QVERIFY2(collection, qPrintable(loader.errorString()));
        Core core;
        QWidget form;
        QStringList made;
        QDesignerContainerExtension *pages = nullptr;
        const QList<QDesignerCustomWidgetInterface *> widgets = collection->customWidgets();
        for (QDesignerCustomWidgetInterface *widget : widgets) {
            widget->initialize(&core);
            QWidget *created = widget->createWidget(&form);
            auto extension = qt_extension<QDesignerContainerExtension *>(core.extensionManager(), created);
            pages = extension ? extension : pages;
            made << QString("%1 %2 container %3, pages %4")
                        .arg(widget->name(), created->metaObject()->className())
                        .arg(widget->isContainer())
                        .arg(extension != nullptr);
        }
        QCOMPARE(made, QStringList({"VNStackedWidget VNStackedWidget container 1, pages 1",
                                    "WindowDragger WindowDragger container 0, pages 0"}));
        auto page = new QWidget;
        pages->insertWidget(0, page);
        QCOMPARE(pages->widget(0), page);
        pages->remove(0);
        QCOMPARE(pages->count(), 0);
        // A form with a two-page stack, saved as Designer saves the plugin's container, through uic.
        Ui::Pages ui;
        ui.setupUi(&form);
        QCOMPARE(ui.stack->widget(1), ui.second);
    }
};

QTEST_MAIN(tst_DesignerPlugin)
#include "tst_designerplugin.moc"
