#include "document/pagecodec.h"

#include <QSet>

#include <unicode/ucnv.h>

#include <array>
#include <memory>
#include <vector>

namespace PageCodec {
namespace {

// GB18030 four-byte sequences, numbered from 81 30 81 30.
constexpr int fourByteIndex(unsigned b0, unsigned b1, unsigned b2, unsigned b3)
{
    return ((int(b0 - 0x81) * 10 + int(b1 - 0x30)) * 126 + int(b2 - 0x81)) * 10 + int(b3 - 0x30);
}
constexpr int bmpFourByteCount = fourByteIndex(0x84, 0x31, 0xA4, 0x39) + 1;
constexpr int supplementaryFirstIndex = fourByteIndex(0x90, 0x30, 0x81, 0x30);
constexpr int twoByteTrailCount = 0xFF - 0x40;

constexpr bool isLeadByte(unsigned b) { return b >= 0x81 && b <= 0xFE; }
constexpr bool isTwoByteTrail(unsigned b) { return b >= 0x40 && b <= 0xFE && b != 0x7F; }
constexpr bool isFourByteDigit(unsigned b) { return b >= 0x30 && b <= 0x39; }

// Characters that must not come out of a file as themselves: line separators the text widget
// would turn into line breaks, and control characters it would not show.
constexpr bool isUnsafeInEditor(char32_t c)
{
    return (c < 0x20 && c != u'\t') || c == 0x7F || c == 0x2028 || c == 0x2029
        || (c >= 0xD800 && c <= 0xDFFF);
}

// Encoded bytes packed big-endian into one number: below 0x100 one byte, below 0x10000 two,
// otherwise four.
using Packed = std::uint32_t;

constexpr int packedLength(Packed p) { return p < 0x100 ? 1 : p < 0x10000 ? 2 : 4; }

struct Tables {
    std::array<Packed, 0x10000> encodeBmp{};
    std::array<char16_t, 0x100> decodeOneByte{};         // 0: no character
    std::vector<char16_t> decodeTwoBytes = std::vector<char16_t>(126 * twoByteTrailCount);
    std::vector<char16_t> decodeFourBytes = std::vector<char16_t>(bmpFourByteCount);
};

struct ConverterCloser {
    void operator()(UConverter *c) const { ucnv_close(c); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

// Converts every character of text on its own terms: out[i] gets the packed bytes of text[i], or
// stays untouched when the converter has no round-trip mapping for it.
void encodeEach(const char *codePage, const std::vector<char16_t> &text, std::vector<Packed> &out,
                std::vector<bool> &done)
{
    UErrorCode status = U_ZERO_ERROR;
    Converter converter(ucnv_open(codePage, &status));
    if (U_FAILURE(status))
        qFatal("ICU has no converter for %s", codePage);
    ucnv_setFromUCallBack(converter.get(), UCNV_FROM_U_CALLBACK_SKIP, nullptr, nullptr, nullptr,
                          &status);
    std::vector<char> bytes(text.size() * 4 + 16);
    std::vector<int32_t> offsets(bytes.size());
    char *target = bytes.data();
    const UChar *source = reinterpret_cast<const UChar *>(text.data());
    int32_t *offset = offsets.data();
    ucnv_fromUnicode(converter.get(), &target, bytes.data() + bytes.size(), &source,
                     source + text.size(), offset, true, &status);
    if (U_FAILURE(status))
        qFatal("ICU could not build the %s table: %s", codePage, u_errorName(status));
    for (qsizetype i = 0, n = target - bytes.data(); i < n; ++i) {
        const int from = offsets[i];
        if (from < 0)
            continue;
        out[from] = out[from] << 8 | static_cast<unsigned char>(bytes[i]);
        done[from] = true;
    }
}

std::unique_ptr<Tables> buildTables()
{
    auto tables = std::make_unique<Tables>();
    std::vector<char16_t> characters;
    for (char32_t c = 0; c < 0x10000; ++c) {
        if (c < 0xD800 || c > 0xDFFF)
            characters.push_back(char16_t(c));
    }
    std::vector<Packed> gbk(characters.size(), 0);
    std::vector<bool> inGbk(characters.size(), false);
    encodeEach("GBK", characters, gbk, inGbk);
    std::vector<Packed> gb18030(characters.size(), 0);
    std::vector<bool> inGb18030(characters.size(), false);
    encodeEach("GB18030", characters, gb18030, inGb18030);

    // A few characters that code page 936 lacks have a two-byte GB18030 sequence which 936 gives
    // to a private-use character (A8BC is both U+1E3F and U+E7C7). There the GB18030 meaning wins
    // for both, so that every sequence stands for one character only.
    QSet<Packed> takenByGb18030;
    for (std::size_t i = 0; i < characters.size(); ++i) {
        if (!inGb18030[i])
            qFatal("GB18030 has no sequence for U+%04X", unsigned(characters[i]));
        if (!inGbk[i])
            takenByGb18030.insert(gb18030[i]);
    }
    std::vector<Packed> packed(characters.size(), 0);
    for (std::size_t i = 0; i < characters.size(); ++i)
        packed[i] = inGbk[i] && !takenByGb18030.contains(gbk[i]) ? gbk[i] : gb18030[i];

    // The reading tables are the writing table turned round, so reading gives back exactly what
    // writing produced and nothing else.
    for (std::size_t i = 0; i < characters.size(); ++i) {
        const char16_t c = characters[i];
        const Packed p = packed[i];
        tables->encodeBmp[c] = p;
        if (isUnsafeInEditor(c))
            continue;
        switch (packedLength(p)) {
        case 1:
            if (p >= 0x80)
                tables->decodeOneByte[p] = c;
            break;
        case 2: {
            tables->decodeTwoBytes[((p >> 8) - 0x81) * twoByteTrailCount + ((p & 0xFF) - 0x40)] = c;
            break;
        }
        default: {
            const int index = fourByteIndex(p >> 24, (p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
            if (index >= 0 && index < bmpFourByteCount)
                tables->decodeFourBytes[index] = c;
        }
        }
    }
    return tables;
}

const Tables &tables()
{
    static const std::unique_ptr<Tables> built = buildTables();
    return *built;
}

// The GB18030 sequence of a character beyond the BMP follows one linear rule.
Packed supplementaryBytes(char32_t c)
{
    int index = int(c - 0x10000) + supplementaryFirstIndex;
    const unsigned b3 = 0x30 + index % 10;
    index /= 10;
    const unsigned b2 = 0x81 + index % 126;
    index /= 126;
    const unsigned b1 = 0x30 + index % 10;
    const unsigned b0 = 0x81 + index / 10;
    return Packed(b0) << 24 | Packed(b1) << 16 | Packed(b2) << 8 | Packed(b3);
}

// Walks the text once, handing each encoded sequence to sink(packed bytes, length).
template<typename Sink>
void walkEncoded(QStringView text, Sink sink)
{
    const Tables *table = nullptr;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) {
            if (c == u'\n' || c == u'\r') {
                if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                    ++i;
                sink(0x0D0A, 2);
            } else {
                sink(c, 1);
            }
        } else if (isByteEscape(c)) {
            sink(escapedByte(c), 1);
        } else if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(text[i + 1].unicode())) {
            sink(supplementaryBytes(QChar::surrogateToUcs4(c, text[i + 1].unicode())), 4);
            ++i;
        } else if (QChar::isSurrogate(c)) {
            sink('?', 1); // half a character: there is nothing to write for it
        } else {
            if (!table)
                table = &tables();
            const Packed p = table->encodeBmp[c];
            sink(p, packedLength(p));
        }
    }
}

} // namespace

QByteArray encode(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size() + text.size() / 8 + 16);
    walkEncoded(text, [&bytes](Packed p, int length) {
        for (int shift = (length - 1) * 8; shift >= 0; shift -= 8)
            bytes.append(char((p >> shift) & 0xFF));
    });
    return bytes;
}

qsizetype encodedLength(QStringView text)
{
    qsizetype length = 0;
    walkEncoded(text, [&length](Packed, int n) { length += n; });
    return length;
}

QString decode(QByteArrayView bytes)
{
    const qsizetype n = bytes.size();
    const auto *b = reinterpret_cast<const unsigned char *>(bytes.data());
    QString text(n, Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    const Tables *table = nullptr;
    for (qsizetype i = 0; i < n;) {
        // Most of a page is printable ASCII: copy such runs without further questions.
        while (i < n && b[i] >= 0x20 && b[i] < 0x7F)
            *out++ = b[i++];
        if (i == n)
            break;
        const unsigned c = b[i];
        if (c < 0x80) {
            if (c == '\r' || c == '\n') {
                *out++ = u'\n';
                i += (c == '\r' && i + 1 < n && b[i + 1] == '\n') ? 2 : 1;
            } else {
                *out++ = isUnsafeInEditor(c) ? byteEscape(c) : char16_t(c);
                ++i;
            }
            continue;
        }
        if (!table)
            table = &tables();
        char16_t decoded = 0;
        int length = 1;
        if (!isLeadByte(c)) {
            decoded = table->decodeOneByte[c];
        } else if (i + 1 < n && isTwoByteTrail(b[i + 1])) {
            decoded = table->decodeTwoBytes[(c - 0x81) * twoByteTrailCount + (b[i + 1] - 0x40)];
            length = 2;
        } else if (i + 3 < n && isFourByteDigit(b[i + 1]) && isLeadByte(b[i + 2])
                   && isFourByteDigit(b[i + 3])) {
            const int index = fourByteIndex(c, b[i + 1], b[i + 2], b[i + 3]);
            length = 4;
            if (index < bmpFourByteCount) {
                decoded = table->decodeFourBytes[index];
            } else if (index >= supplementaryFirstIndex) {
                const char32_t u = char32_t(index - supplementaryFirstIndex) + 0x10000;
                if (u <= 0x10FFFF) {
                    *out++ = QChar::highSurrogate(u);
                    *out++ = QChar::lowSurrogate(u);
                    i += 4;
                    continue;
                }
            }
        }
        if (decoded) {
            *out++ = decoded;
            i += length;
        } else {
            *out++ = byteEscape(c);
            ++i;
        }
    }
    text.truncate(out - reinterpret_cast<char16_t *>(text.data()));
    return text;
}

} // namespace PageCodec
