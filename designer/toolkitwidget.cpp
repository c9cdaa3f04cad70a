#include "toolkitwidget.h"

#include "stackedwidgetcontainer.h"

#include <QIcon>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QExtensionManager>

#include <utility>

ToolkitWidget::ToolkitWidget(Description description, QObject *parent)
    : QObject(parent)
    , description(std::move(description))
{}

QString ToolkitWidget::name() const
{
    return description.name;
}

QString ToolkitWidget::group() const
{
    return QStringLiteral("ZevOrer");
}

QString ToolkitWidget::toolTip() const
{
    return description.toolTip;
}

QString ToolkitWidget::whatsThis() const
{
    return description.toolTip;
}

QString ToolkitWidget::includeFile() const
{
    return description.includeFile;
}

QIcon ToolkitWidget::icon() const
{
    return QIcon();
}

bool ToolkitWidget::isContainer() const
{
    return description.isContainer;
}

QWidget *ToolkitWidget::createWidget(QWidget *parent)
{
    return description.create(parent);
}

bool ToolkitWidget::isInitialized() const
{
    return initialized;
}

void ToolkitWidget::initialize(QDesignerFormEditorInterface *core)
{
    if (initialized)
        return;
    initialized = true;
    if (description.isContainer && core->extensionManager()) {
        core->extensionManager()->registerExtensions(
            new StackedWidgetContainerFactory(core->extensionManager()),
            Q_TYPEID(QDesignerContainerExtension));
    }
}

QString ToolkitWidget::domXml() const
{
    return description.domXml;
}
