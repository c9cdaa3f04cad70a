#include "registrysettingstree.h"

#include <QSettings>
#include <QStringBuilder>
#include <QVariant>

#include <algorithm>
#include <limits>
#include <map>

namespace {

bool isAscii(const std::string &text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return uchar(c) < 0x80; });
}

// Keys and values are nearly always ASCII, whose UTF-8 bytes are their Latin-1 bytes: read as Latin-1, they
// convert much faster.
QString fromUtf8(const std::string &text)
{
    if (isAscii(text))
        return QString::fromLatin1(text.data(), int(text.size()));
    return QString::fromUtf8(text.data(), int(text.size()));
}

// QString::toStdString() goes through a temporary QByteArray. Stored texts are nearly always ASCII, whose
// UTF-8 is the same bytes: narrowed straight into the result, a short one needs no allocation at all.
std::string toUtf8(const QString &text)
{
    std::string bytes(std::size_t(text.size()), '\0');
    auto byte = bytes.begin();
    for (const QChar c : text) {
        if (c.unicode() >= 0x80)
            return text.toStdString();
        *byte++ = char(c.unicode());
    }
    return bytes;
}

const char arrayCountKey[] = "/array_count";

} // namespace

// Members are released in reverse order: the cached sub-trees first, then the channels with their receivers,
// the last translated key, the lock, the QSettings object (which writes pending changes to the store) and the
// path.
class RegistrySettingsTreePrivate
{
public:
    explicit RegistrySettingsTreePrivate(const QString &path)
        : path(path)
        , lastFullKey(translate(lastKey))
    {}

    // Callers hold settingsLock. set() asks for the key that its get() has just asked for: the last
    // translation is kept, so that the second one costs a comparison instead of a new string.
    QString settingsPath(const std::string &key)
    {
        if (key != lastKey) {
            lastFullKey = translate(key);
            lastKey = key;
        }
        return lastFullKey;
    }

    QString translate(const std::string &key) const
    {
        if (path.isEmpty())
            return fromUtf8(key);
        // An ASCII key goes straight into the full key, built with a single allocation.
        if (isAscii(key))
            return path % QLatin1Char('/') % QLatin1String(key.data(), int(key.size()));
        return path % QLatin1Char('/') % fromUtf8(key);
    }

    // Callers hold settingsLock.
    int arrayCount(const std::string &key)
    {
        return settings.value(settingsPath(key + arrayCountKey), 0).toInt();
    }

    QVariant value(const std::string &key, const QVariant &defaultValue)
    {
        std::lock_guard<std::recursive_mutex> locker(settingsLock);
        return settings.value(settingsPath(key), defaultValue);
    }

    const QString path;
    QSettings settings;
    // Recursive: append and getList hold it while they call set and get, which take it again.
    std::recursive_mutex settingsLock;
    // The last key that settingsPath() translated, with its full key; guarded by settingsLock.
    std::string lastKey;
    QString lastFullKey;
    SettingsSignal<std::string> valueChanged;
    SettingsSignal<> cleared;
    std::map<std::string, std::shared_ptr<ISettingsTree>> children;
};

RegistrySettingsTree::RegistrySettingsTree(const QString &path)
    : d(std::make_unique<RegistrySettingsTreePrivate>(path))
{}

RegistrySettingsTree::~RegistrySettingsTree() = default;

void RegistrySettingsTree::set(const std::string &key, const std::string &value)
{
    if (get(key, "") == value)
        return;
    {
        std::lock_guard<std::recursive_mutex> locker(d->settingsLock);
        d->settings.setValue(d->settingsPath(key), fromUtf8(value));
    }
    d->valueChanged(key);
}

bool RegistrySettingsTree::get(const std::string &key, bool defaultValue)
{
    return d->value(key, defaultValue).toBool();
}

std::string RegistrySettingsTree::get(const std::string &key, const char *defaultValue)
{
    // set() asks with an empty default on every call; it needs no conversion.
    const QString fallback = defaultValue && *defaultValue ? QString::fromUtf8(defaultValue) : QString();
    return toUtf8(d->value(key, fallback).toString());
}

int RegistrySettingsTree::get(const std::string &key, int defaultValue)
{
    return d->value(key, defaultValue).toInt();
}

std::string RegistrySettingsTree::get(const std::string &key, const std::string &defaultValue)
{
    return toUtf8(d->value(key, fromUtf8(defaultValue)).toString());
}

void RegistrySettingsTree::append(const std::string &key, const std::string &value)
{
    {
        std::lock_guard<std::recursive_mutex> locker(d->settingsLock);
        const int count = d->arrayCount(key);
        // Only a damaged store holds such a count; one more element could not be counted.
        if (count == std::numeric_limits<int>::max()) {
            qWarning("RegistrySettingsTree::append: the array \"%s\" is full", key.c_str());
            return;
        }
        set(key + '/' + std::to_string(count), value);
        d->settings.setValue(d->settingsPath(key + arrayCountKey), count + 1);
    }
    d->valueChanged(key);
}

std::list<std::string> RegistrySettingsTree::getList(const std::string &key)
{
    std::lock_guard<std::recursive_mutex> locker(d->settingsLock);
    std::list<std::string> elements;
    const int count = d->arrayCount(key);
    for (int index = 0; index < count; ++index)
        elements.push_back(get(key + '/' + std::to_string(index), std::string()));
    return elements;
}

std::shared_ptr<ISettingsTree> RegistrySettingsTree::child(const std::string &key)
{
    std::lock_guard<std::recursive_mutex> locker(d->settingsLock);
    std::shared_ptr<ISettingsTree> &entry = d->children[key];
    if (!entry)
        entry = std::make_shared<RegistrySettingsTree>(d->settingsPath(key));
    return entry;
}

void RegistrySettingsTree::remove(const std::string &key)
{
    {
        std::lock_guard<std::recursive_mutex> locker(d->settingsLock);
        d->settings.remove(d->settingsPath(key));
    }
    d->valueChanged(key);
}

void RegistrySettingsTree::clear()
{
    {
        std::lock_guard<std::recursive_mutex> locker(d->settingsLock);
        if (d->path.isEmpty())
            d->settings.clear();
        else
            d->settings.remove(d->path);
    }
    d->cleared();
}

bool RegistrySettingsTree::isValid()
{
    return true;
}

SettingsSignal<std::string> &RegistrySettingsTree::valueChangedSignal()
{
    return d->valueChanged;
}

SettingsSignal<> &RegistrySettingsTree::clearedSignal()
{
    return d->cleared;
}
