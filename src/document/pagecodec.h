#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The one place where a page's text becomes bytes and back.
//
// On disk a page is code page 936 (GBK) as ICU converts it; a character that code page cannot
// hold is written as its GB18030 four-byte sequence. Line breaks are written CR LF; inside the
// program they are '\n'. Reading takes every CR LF, lone CR and lone LF as a line break.
//
// No byte is ever lost: a byte that does not start a sequence the writer would produce again (an
// invalid sequence, a UTF-8 or Latin-1 page, binary junk, NUL and other control bytes) is read as
// one escape character standing for exactly that byte, shown in the editor and written back as
// that byte. So encode(decode(bytes)) == bytes for any bytes, line breaks aside.
namespace PageCodec {

QString decode(QByteArrayView bytes);
QByteArray encode(QStringView text);
// encode(text).size(), without building the bytes.
qsizetype encodedLength(QStringView text);

// The escape characters, one per byte value: lone low surrogates, which no valid sequence of any
// code page decodes to, so they can never be mistaken for text.
constexpr char16_t firstByteEscape = 0xDC00;
constexpr bool isByteEscape(char16_t c) { return c >= firstByteEscape && c <= firstByteEscape + 0xFF; }
constexpr char16_t byteEscape(unsigned char byte) { return char16_t(firstByteEscape + byte); }
constexpr unsigned char escapedByte(char16_t c) { return static_cast<unsigned char>(c & 0xFF); }

} // namespace PageCodec
