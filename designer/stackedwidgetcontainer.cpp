#include "stackedwidgetcontainer.h"

#include "stackedwidget.h"

StackedWidgetContainer::StackedWidgetContainer(VNStackedWidget *stack, QObject *parent)
    : QObject(parent)
    , stack(stack)
{}

int StackedWidgetContainer::count() const
{
    return stack->count();
}

QWidget *StackedWidgetContainer::widget(int index) const
{
    return stack->widget(index);
}

int StackedWidgetContainer::currentIndex() const
{
    return stack->currentIndex();
}

void StackedWidgetContainer::setCurrentIndex(int index)
{
    stack->setCurrentIndex(index);
}

void StackedWidgetContainer::addWidget(QWidget *widget)
{
    stack->addWidget(widget);
}

void StackedWidgetContainer::insertWidget(int index, QWidget *widget)
{
    stack->insertWidget(index, widget);
}

void StackedWidgetContainer::remove(int index)
{
    stack->removeWidget(stack->widget(index));
}

QObject *StackedWidgetContainerFactory::createExtension(QObject *object, const QString &iid,
                                                        QObject *parent) const
{
    auto stack = qobject_cast<VNStackedWidget *>(object);
    if (!stack || iid != Q_TYPEID(QDesignerContainerExtension))
        return nullptr;
    return new StackedWidgetContainer(stack, parent);
}
