// libFuzzer target for RegistrySettingsTree: arbitrary paths, keys and values, sub-trees, arrays and
// receivers that re-enter the tree. The input is a small program: a root path, then operations, each a kind
// byte followed by its texts, a text being a length byte and that many bytes (fewer at the end of the input).
// Besides sanitizer reports, a value set through the tree must read back unchanged.
//
// The store is QSettings' native one, which on Linux lives under XDG_CONFIG_HOME: the caller must point that
// at a throw-away folder.

#include "registrysettingstree.h"

#include <QCoreApplication>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

class Program
{
public:
    Program(const std::uint8_t *data, std::size_t size)
        : data(data)
        , size(size)
    {}

    bool atEnd() const { return position == size; }
    std::uint8_t byte() { return atEnd() ? 0 : data[position++]; }
    std::string text()
    {
        const std::size_t length = std::min<std::size_t>(byte(), size - position);
        std::string result(reinterpret_cast<const char *>(data) + position, length);
        position += length;
        return result;
    }

private:
    const std::uint8_t *const data;
    const std::size_t size;
    std::size_t position = 0;
};

bool isUtf8(const std::string &text)
{
    const QByteArray bytes = QByteArray::fromStdString(text);
    return QString::fromUtf8(bytes).toUtf8() == bytes;
}

// QSettings drops empty levels: a key made only of slashes names nothing and is not stored.
bool namesAValue(const QString &path, const std::string &key)
{
    const QString full = path + QLatin1Char('/') + QString::fromUtf8(key.data(), int(key.size()));
    return full.count(QLatin1Char('/')) != full.size();
}

// Arrays whose stored count is large would only spend the run's time on reading empty elements.
bool smallArray(ISettingsTree &tree, const std::string &key)
{
    return tree.get(key + "/array_count", 0) <= 64;
}

void run(Program &program)
{
    const QString rootPath = QString::fromStdString(program.text());
    const std::shared_ptr<ISettingsTree> root = std::make_shared<RegistrySettingsTree>(rootPath);
    std::shared_ptr<ISettingsTree> tree = root;
    QString path = rootPath;
    int depth = 0;

    while (!program.atEnd()) {
        switch (program.byte() % 8) {
        case 0: {
            const std::string key = program.text();
            const std::string value = program.text();
            tree->set(key, value);
            if (isUtf8(value) && namesAValue(path, key))
                require(tree->get(key, "") == value);
            break;
        }
        case 1: {
            const std::string key = program.text();
            const std::string fallback = program.text();
            tree->get(key, fallback);
            tree->get(key, fallback.c_str());
            tree->get(key, int(fallback.size()));
            tree->get(key, fallback.empty());
            break;
        }
        case 2: {
            const std::string key = program.text();
            tree->append(key, program.text());
            break;
        }
        case 3: {
            const std::string key = program.text();
            if (smallArray(*tree, key))
                tree->getList(key);
            break;
        }
        case 4: {
            const std::string key = program.text();
            if (depth == 8)
                break;
            tree = tree->child(key);
            path += QLatin1Char('/') + QString::fromUtf8(key.data(), int(key.size()));
            ++depth;
            break;
        }
        case 5:
            tree->remove(program.text());
            break;
        case 6: {
            // A receiver that reads the changed key back and disconnects itself during its own call.
            using Slot = SettingsSlot<std::string>;
            const auto self = std::make_shared<std::weak_ptr<Slot>>();
            ISettingsTree *const target = tree.get();
            *self = tree->valueChangedSignal().connect([target, self](const std::string &key) {
                target->get(key, "");
                target->valueChangedSignal().disconnect(self->lock());
            });
            break;
        }
        case 7:
            tree = root;
            path = rootPath;
            depth = 0;
            break;
        }
    }
    tree->clear();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    if (qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME")) {
        std::fprintf(stderr, "fuzz_settingstree: set XDG_CONFIG_HOME to a throw-away folder\n");
        std::exit(1);
    }
    QCoreApplication::setOrganizationName(QStringLiteral("zev_orer-fuzz"));
    QCoreApplication::setApplicationName(QStringLiteral("settingstree"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Program program(data, size);
    run(program);
    // The next input starts from an empty store, written out as the tree above was.
    RegistrySettingsTree(QString()).clear();
    return 0;
}
