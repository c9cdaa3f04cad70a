#ifndef ZEV_ORER_SETTINGSTREE_H
#define ZEV_ORER_SETTINGSTREE_H

#include "settingstree_export.h"

#include <QtGlobal>

#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <utility>

/// A receiver of a settings notification channel, held by shared handles.
template <typename... Args> class SettingsSlot
{
public:
    /// Receives one notification; the arguments are the receiver's own copies.
    virtual void operator()(Args... args) = 0;

    SettingsSlot() = default;
    virtual ~SettingsSlot() = default;
    // Held through shared handles; a copy through the base would slice the receiver.
    Q_DISABLE_COPY(SettingsSlot)
};

/// A notification channel of a settings tree. Receivers run one after the other, in the order they were
/// connected, on the thread that raises the channel and under the channel's recursive mutex.
template <typename... Args> class SettingsSignal
{
public:
    /// A shared handle on a receiver, as connect() returns it and disconnect() takes it.
    using Receiver = std::shared_ptr<SettingsSlot<Args...>>;

    SettingsSignal() = default;
    SettingsSignal(const SettingsSignal &) = delete;
    SettingsSignal &operator=(const SettingsSignal &) = delete;

    /// Appends @p receiver to the calling order and returns it. A null receiver is refused with a warning and
    /// returned as it is; a receiver connected twice is called twice.
    Receiver connect(Receiver receiver);

    /// Wraps @p callback in a receiver, appends it and returns it, so that the caller can disconnect it. An
    /// empty callback is refused with a warning and gives a null receiver.
    Receiver connect(std::function<void(Args...)> callback);

    /// Removes every connection of @p receiver; does nothing when it is not connected. An emission in
    /// progress, also one that called @p receiver itself, goes on with the receivers that are still
    /// connected.
    void disconnect(const Receiver &receiver);

    /// Raises the channel: calls every connected receiver with @p args. A receiver connected during the
    /// emission is called by it unless the emission is already calling the last receiver.
    void operator()(const Args &...args);

private:
    using List = std::list<Receiver>;

    class CallbackSlot : public SettingsSlot<Args...>
    {
    public:
        explicit CallbackSlot(std::function<void(Args...)> callback)
            : callback(std::move(callback))
        {}
        void operator()(Args... args) override { callback(std::move(args)...); }

    private:
        const std::function<void(Args...)> callback;
    };

    // The emitter's record of the entry it calls next. Nested emissions on one thread (a receiver that
    // changes the tree again) chain their records, so that a disconnection keeps every one of them valid.
    struct Emission
    {
        explicit Emission(SettingsSignal &signal)
            : signal(signal)
            , next(signal.receivers.begin())
            , outer(signal.cursor)
        {
            signal.cursor = this;
        }
        ~Emission() { signal.cursor = outer; }
        Emission(const Emission &) = delete;
        Emission &operator=(const Emission &) = delete;

        SettingsSignal &signal;
        typename List::iterator next;
        Emission *const outer;
    };

    std::recursive_mutex mutex;
    List receivers;
    Emission *cursor = nullptr;
};

template <typename... Args>
typename SettingsSignal<Args...>::Receiver SettingsSignal<Args...>::connect(Receiver receiver)
{
    if (!receiver) {
        qWarning("SettingsSignal::connect: null receiver");
        return receiver;
    }
    std::lock_guard<std::recursive_mutex> locker(mutex);
    receivers.push_back(receiver);
    return receiver;
}

template <typename... Args>
typename SettingsSignal<Args...>::Receiver
SettingsSignal<Args...>::connect(std::function<void(Args...)> callback)
{
    if (!callback) {
        qWarning("SettingsSignal::connect: empty callback");
        return nullptr;
    }
    return connect(Receiver(std::make_shared<CallbackSlot>(std::move(callback))));
}

template <typename... Args> void SettingsSignal<Args...>::disconnect(const Receiver &receiver)
{
    std::lock_guard<std::recursive_mutex> locker(mutex);
    for (auto entry = receivers.begin(); entry != receivers.end();) {
        if (*entry != receiver) {
            ++entry;
            continue;
        }
        for (Emission *emission = cursor; emission; emission = emission->outer) {
            if (emission->next == entry)
                ++emission->next;
        }
        entry = receivers.erase(entry);
    }
}

template <typename... Args> void SettingsSignal<Args...>::operator()(const Args &...args)
{
    std::lock_guard<std::recursive_mutex> locker(mutex);
    Emission emission(*this);
    while (emission.next != receivers.end()) {
        // The handle keeps the receiver alive when it disconnects itself during its own call.
        const Receiver receiver = *emission.next;
        ++emission.next;
        (*receiver)(args...);
    }
}

/// Hierarchical settings: string values under "/"-separated UTF-8 keys, read back as bool, int or string,
/// string arrays, sub-trees, and channels that report changes. Trees are held as
/// std::shared_ptr<ISettingsTree>.
class SETTINGSTREE_EXPORT ISettingsTree
{
public:
    ISettingsTree() = default;
    virtual ~ISettingsTree() = default;
    // Trees are shared, never copied: a copy through the interface would slice the tree.
    Q_DISABLE_COPY(ISettingsTree)

    /// Stores @p value under @p key and reports @p key; does neither when the value already reads as @p
    /// value.
    virtual void set(const std::string &key, const std::string &value) = 0;

    /// Returns the value under @p key converted to bool, or @p defaultValue when there is none.
    virtual bool get(const std::string &key, bool defaultValue) = 0;

    /// Returns the value under @p key as a string, or @p defaultValue when there is none.
    virtual std::string get(const std::string &key, const char *defaultValue) = 0;

    /// Returns the value under @p key converted to int, or @p defaultValue when there is none.
    virtual int get(const std::string &key, int defaultValue) = 0;

    /// Returns the value under @p key as a string, or @p defaultValue when there is none.
    virtual std::string get(const std::string &key, const std::string &defaultValue) = 0;

    /// Adds @p value as the last element of the array under @p key, then reports @p key.
    virtual void append(const std::string &key, const std::string &value) = 0;

    /// Returns the elements of the array under @p key in index order; a missing element reads as empty, a
    /// missing array as an empty list.
    virtual std::list<std::string> getList(const std::string &key) = 0;

    /// Returns the sub-tree rooted at @p key, the same object for the same key for as long as this tree
    /// lives.
    virtual std::shared_ptr<ISettingsTree> child(const std::string &key) = 0;

    /// Removes the value or group under @p key with everything below it, then reports @p key.
    virtual void remove(const std::string &key) = 0;

    /// Removes everything this tree holds, then raises clearedSignal(). Sub-trees handed out stay usable.
    virtual void clear() = 0;

    /// Tells whether the tree can be used.
    virtual bool isValid() = 0;

    /// The channel that reports changed keys, relative to this tree, for changes made through this tree.
    virtual SettingsSignal<std::string> &valueChangedSignal() = 0;

    /// The channel raised after clear().
    virtual SettingsSignal<> &clearedSignal() = 0;
};

#endif // ZEV_ORER_SETTINGSTREE_H
