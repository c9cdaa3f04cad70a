#ifndef ZEV_ORER_REGISTRYSETTINGSTREE_H
#define ZEV_ORER_REGISTRYSETTINGSTREE_H

#include "settingstree.h"
#include "settingstree_export.h"

#include <QString>

class RegistrySettingsTreePrivate;

/// A settings tree over the application's native per-user QSettings store (the registry on Windows). Each
/// tree stands for one group of the store and may be called from any thread.
class SETTINGSTREE_EXPORT RegistrySettingsTree : public ISettingsTree
{
public:
    /// Builds a tree for the group @p path of the store of the application's organisation and application
    /// names; an empty path stands for the whole store.
    explicit RegistrySettingsTree(const QString &path);
    ~RegistrySettingsTree() override;

    /// Writes @p value as a string under the full key of @p key when it differs from what is stored, then
    /// reports
    /// @p key.
    void set(const std::string &key, const std::string &value) override;
    /// Returns QVariant::toBool() of the stored value, or @p defaultValue when there is none.
    bool get(const std::string &key, bool defaultValue) override;
    /// Returns the stored value as a string, or @p defaultValue (null reads as empty) when there is none.
    std::string get(const std::string &key, const char *defaultValue) override;
    /// Returns QVariant::toInt() of the stored value (0 for text that is no number), or @p defaultValue when
    /// there is none.
    int get(const std::string &key, int defaultValue) override;
    /// Returns the stored value as a string, or @p defaultValue when there is none.
    std::string get(const std::string &key, const std::string &defaultValue) override;
    /// Stores @p value as element "<key>/<count>", raises the count "<key>/array_count" by one, then reports
    /// @p key (after the element's own key, if the element was written). Warns and changes nothing when the
    /// stored count is already the largest int.
    void append(const std::string &key, const std::string &value) override;
    /// Returns the elements "<key>/0" up to the count less one.
    std::list<std::string> getList(const std::string &key) override;
    /// Returns the cached sub-tree for @p key, creating it for the group "<path>/<key>" on the first request.
    std::shared_ptr<ISettingsTree> child(const std::string &key) override;
    /// Removes the full key of @p key and every key below it, then reports @p key.
    void remove(const std::string &key) override;
    /// Removes the tree's group, or the whole store for an empty path, then raises clearedSignal().
    void clear() override;
    /// Returns true: the store is always there to be asked.
    bool isValid() override;
    /// The channel that reports keys changed through this tree.
    SettingsSignal<std::string> &valueChangedSignal() override;
    /// The channel raised after clear().
    SettingsSignal<> &clearedSignal() override;

private:
    std::unique_ptr<RegistrySettingsTreePrivate> const d;
};

#endif // ZEV_ORER_REGISTRYSETTINGSTREE_H
