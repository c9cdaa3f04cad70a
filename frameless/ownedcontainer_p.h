#ifndef ZEV_ORER_OWNEDCONTAINER_P_H
#define ZEV_ORER_OWNEDCONTAINER_P_H

// Shared by VNDialog and VNMainWindow, which own the frameless container that is their own parent widget.

#include <QObject>

/// Owns a frameless container that is the parent widget of its holder. Deleting the holder deletes the
/// container; the holder leaves the container first so that it is not deleted a second time as the
/// container's child. When the container goes first (deleted directly, or with the widget that is its own
/// parent), it deletes the holder as its child, and the holder must leave the dying container alone.
template <class Container> class OwnedContainer
{
public:
    /// Takes @p container, which may be null for a holder without container.
    explicit OwnedContainer(Container *container)
        : m_container(container)
    {
        // A widget emits destroyed() before it deletes its children, so the holder hears of it before its
        // own destructor runs.
        if (m_container)
            m_released =
                QObject::connect(m_container, &QObject::destroyed, [this] { m_container = nullptr; });
    }

    ~OwnedContainer()
    {
        QObject::disconnect(m_released);
        delete m_container;
    }

    OwnedContainer(const OwnedContainer &) = delete;
    OwnedContainer &operator=(const OwnedContainer &) = delete;

    /// The container while it lives, null once it is being destroyed or when there never was one.
    Container *get() const { return m_container; }
    Container *operator->() const { return m_container; }
    explicit operator bool() const { return m_container != nullptr; }

private:
    Container *m_container;
    QMetaObject::Connection m_released;
};

#endif // ZEV_ORER_OWNEDCONTAINER_P_H
