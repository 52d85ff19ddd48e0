// Two promises of the page codec, for any input:
//  - bytes: reading then writing gives back the same bytes, every line break written as CR LF;
//  - text: writing then reading gives back the same text, for any text the editor can hold.

#include "document/pagecodec.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

QByteArray withCrLf(QByteArrayView bytes)
{
    QByteArray result;
    result.reserve(bytes.size() * 2);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char b = bytes[i];
        if (b == '\r' || b == '\n') {
            if (b == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
            result += "\r\n";
        } else {
            result += b;
        }
    }
    return result;
}

// A text the editor can hold: lines end in '\n', and nothing in it reads back as escaped bytes
// (byte escapes, halves of characters, control characters, the widget's own line separators).
QString editorText(const std::uint8_t *data, std::size_t size)
{
    QString text;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        char16_t c = char16_t(data[i] | data[i + 1] << 8);
        if (QChar::isHighSurrogate(c) && i + 3 < size) {
            const char16_t low = char16_t(data[i + 2] | data[i + 3] << 8);
            if (QChar::isLowSurrogate(low)) {
                text += QChar(c);
                text += QChar(low);
                i += 2;
            }
            continue;
        }
        if (QChar::isSurrogate(c) || c == 0x2028 || c == 0x2029 || c == 0x7F
            || (c < 0x20 && c != u'\t' && c != u'\n'))
            continue;
        text += QChar(c);
    }
    return text;
}

void fail(const char *what, const std::uint8_t *data, std::size_t size)
{
    std::fprintf(stderr, "%s broken for %zu input bytes\n", what, size);
    (void)data;
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString read = PageCodec::decode(bytes);
    const QByteArray written = PageCodec::encode(read);
    if (written != withCrLf(bytes))
        fail("bytes round trip", data, size);
    if (PageCodec::encodedLength(read) != written.size())
        fail("encoded length", data, size);

    const QString text = editorText(data, size);
    const QByteArray encoded = PageCodec::encode(text);
    if (PageCodec::decode(encoded) != text)
        fail("text round trip", data, size);
    return 0;
}
