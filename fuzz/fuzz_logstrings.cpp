// libFuzzer target for the log argument conversions: toHexLogString of the input bytes, and toLogString of
// the input read as UTF-16 text (unpaired surrogates included) and as UTF-8 text (invalid sequences
// included).

#include "logging.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

void checkLogString(const QString &text)
{
    // Every byte of the local 8-bit form, embedded zero bytes included.
    const QByteArray local = text.toLocal8Bit();
    const std::string converted = toLogString(text);
    require(converted.size() == size_t(local.size()));
    require(std::memcmp(converted.data(), local.constData(), converted.size()) == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));

    // Two digits for each byte, one blank between neighbours, and the bytes come back from the digits.
    const std::string hex = toHexLogString(bytes);
    require(hex.size() == (size == 0 ? 0 : 3 * size - 1));
    require(QByteArray::fromHex(QByteArray::fromStdString(hex)) == bytes);

    // Copied, as the input need not be aligned for UTF-16 code units.
    QString utf16(int(size / 2), Qt::Uninitialized);
    std::memcpy(utf16.data(), data, size / 2 * 2);
    checkLogString(utf16);
    checkLogString(QString::fromUtf8(bytes));
    return 0;
}
