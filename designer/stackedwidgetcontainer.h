#ifndef ZEV_ORER_STACKEDWIDGETCONTAINER_H
#define ZEV_ORER_STACKEDWIDGETCONTAINER_H

#include <QtDesigner/QDesignerContainerExtension>
#include <QtDesigner/QExtensionFactory>

class VNStackedWidget;

// Lets Designer list, add, remove and switch the pages of a VNStackedWidget on a form.
class StackedWidgetContainer : public QObject, public QDesignerContainerExtension
{
    Q_OBJECT
    Q_INTERFACES(QDesignerContainerExtension)

public:
    StackedWidgetContainer(VNStackedWidget *stack, QObject *parent);

    int count() const override;
    QWidget *widget(int index) const override;
    int currentIndex() const override;
    void setCurrentIndex(int index) override;
    void addWidget(QWidget *widget) override;
    void insertWidget(int index, QWidget *widget) override;
    void remove(int index) override;

private:
    VNStackedWidget *const stack;
};

// Gives every VNStackedWidget on a form its StackedWidgetContainer.
class StackedWidgetContainerFactory : public QExtensionFactory
{
    Q_OBJECT

public:
    using QExtensionFactory::QExtensionFactory;

protected:
    QObject *createExtension(QObject *object, const QString &iid, QObject *parent) const override;
};

#endif // ZEV_ORER_STACKEDWIDGETCONTAINER_H
