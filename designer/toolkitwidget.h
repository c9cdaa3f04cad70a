#ifndef ZEV_ORER_TOOLKITWIDGET_H
#define ZEV_ORER_TOOLKITWIDGET_H

#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <functional>

// One of the toolkit's widgets as Designer offers it; a container also gets its pages managed by Designer
// through StackedWidgetContainer.
class ToolkitWidget : public QObject, public QDesignerCustomWidgetInterface
{
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    struct Description
    {
        QString name;
        QString includeFile;
        QString toolTip;
        QString domXml;
        bool isContainer;
        std::function<QWidget *(QWidget *)> create;
    };

    ToolkitWidget(Description description, QObject *parent);

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override;
    QWidget *createWidget(QWidget *parent) override;
    bool isInitialized() const override;
    void initialize(QDesignerFormEditorInterface *core) override;
    QString domXml() const override;

private:
    const Description description;
    bool initialized = false;
};

#endif // ZEV_ORER_TOOLKITWIDGET_H
