#include "toolkitwidgets.h"

#include "stackedwidget.h"
#include "toolkitwidget.h"
#include "windowdragger.h"

ToolkitWidgets::ToolkitWidgets(QObject *parent)
    : QObject(parent)
{
    // The container starts with one page, and forms name the method that adds the others, so that uic
    // builds them into the stack.
    widgets << new ToolkitWidget(
        {QStringLiteral("VNStackedWidget"), QStringLiteral("stackedwidget.h"),
         QStringLiteral("A page stack like QStackedWidget whose size can follow the page shown."),
         QStringLiteral("<ui language=\"c++\"><widget class=\"VNStackedWidget\" name=\"stackedWidget\">"
                        "<widget class=\"QWidget\" name=\"page\"/></widget>"
                        "<customwidgets><customwidget><class>VNStackedWidget</class><extends>QFrame</extends>"
                        "<addpagemethod>addWidget</addpagemethod></customwidget></customwidgets></ui>"),
         true, [](QWidget *parent) -> QWidget * { return new VNStackedWidget(parent); }},
        this);
    widgets << new ToolkitWidget(
        {QStringLiteral("WindowDragger"), QStringLiteral("windowdragger.h"),
         QStringLiteral("A title bar that moves its frameless window when dragged."),
         QStringLiteral("<ui language=\"c++\"><widget class=\"WindowDragger\" name=\"windowDragger\"/></ui>"),
         false, [](QWidget *parent) -> QWidget * { return new WindowDragger(parent); }},
        this);
}

QList<QDesignerCustomWidgetInterface *> ToolkitWidgets::customWidgets() const
{
    return widgets;
}
