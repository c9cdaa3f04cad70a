#ifndef ZEV_ORER_TOOLKITWIDGETS_H
#define ZEV_ORER_TOOLKITWIDGETS_H

#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

// The plugin's entry: the toolkit's widgets that forms can place.
class ToolkitWidgets : public QObject, public QDesignerCustomWidgetCollectionInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)

public:
    explicit ToolkitWidgets(QObject *parent = nullptr);

    QList<QDesignerCustomWidgetInterface *> customWidgets() const override;

private:
    QList<QDesignerCustomWidgetInterface *> widgets;
};

#endif // ZEV_ORER_TOOLKITWIDGETS_H
