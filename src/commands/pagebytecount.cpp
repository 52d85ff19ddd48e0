#include "commands/pagebytecount.h"

#include "document/pagecodec.h"

#include <QTextBlock>
#include <QTextDocument>

#include <numeric>

namespace {

constexpr qsizetype lineBreakBytes = 2;

} // namespace

PageByteCount::PageByteCount(QTextDocument &document, std::function<bool()> formatOnly,
                             QObject *parent)
    : QObject(parent)
    , m_document(document)
    , m_formatOnly(std::move(formatOnly))
{
    recountAll();
    connect(&document, &QTextDocument::contentsChange, this, &PageByteCount::contentsChange);
}

qsizetype PageByteCount::byteCount() const
{
    return m_textBytes + lineBreakBytes * (qsizetype(m_lineBytes.size()) - 1);
}

qsizetype PageByteCount::lineBytes(QStringView line)
{
    // A line separator inside a block is written as a line break, as the editor's text shows it.
    if (!line.contains(QChar::LineSeparator))
        return PageCodec::encodedLength(line);
    return PageCodec::encodedLength(line.toString().replace(QChar::LineSeparator, u'\n'));
}

qsizetype PageByteCount::lineBytes(const QTextBlock &block)
{
    return lineBytes(block.text());
}

// One pass over the whole text, cheaper than asking each block for its text.
void PageByteCount::recountAll()
{
    const QString text = m_document.toRawText();
    m_lineBytes.clear();
    m_lineBytes.reserve(m_document.blockCount());
    qsizetype lineStart = 0;
    for (;;) {
        const qsizetype lineEnd = text.indexOf(QChar::ParagraphSeparator, lineStart);
        m_lineBytes.push_back(lineBytes(QStringView(text).sliced(
            lineStart, (lineEnd < 0 ? text.size() : lineEnd) - lineStart)));
        if (lineEnd < 0)
            break;
        lineStart = lineEnd + 1;
    }
    m_textBytes = std::accumulate(m_lineBytes.begin(), m_lineBytes.end(), qsizetype(0));
}

// Lines before the one holding position and lines after the one holding the end of the added
// text are unchanged, so the lines between replace the old ones between the same neighbours; the
// count of removed characters is not needed for that.
void PageByteCount::contentsChange(int position, int, int charsAdded)
{
    // Formatting the whole page must not cost encoding the whole page.
    if (m_formatOnly && m_formatOnly())
        return;
    const auto blockAt = [this](int at) {
        const QTextBlock block = m_document.findBlock(at);
        return block.isValid() ? block : m_document.lastBlock();
    };
    const QTextBlock first = blockAt(position);
    const QTextBlock last = blockAt(position + charsAdded);
    if (first == m_document.firstBlock() && last == m_document.lastBlock()) {
        recountAll();
        return;
    }
    const int firstIndex = first.blockNumber();
    const int lastIndex = last.blockNumber();
    const int oldLastIndex = lastIndex + int(m_lineBytes.size()) - m_document.blockCount();
    // A notification that does not fit the kept lines must not leave a wrong count behind.
    if (firstIndex < 0 || lastIndex < firstIndex || oldLastIndex < firstIndex
        || oldLastIndex >= int(m_lineBytes.size())) {
        recountAll();
        return;
    }

    const auto oldFirst = m_lineBytes.begin() + firstIndex;
    const auto oldEnd = m_lineBytes.begin() + oldLastIndex + 1;
    m_textBytes -= std::accumulate(oldFirst, oldEnd, qsizetype(0));
    const int newLines = lastIndex - firstIndex + 1;
    const int oldLines = oldLastIndex - firstIndex + 1;
    if (newLines < oldLines)
        m_lineBytes.erase(oldFirst + newLines, oldEnd);
    else if (newLines > oldLines)
        m_lineBytes.insert(oldEnd, newLines - oldLines, 0);

    auto slot = m_lineBytes.begin() + firstIndex;
    for (QTextBlock block = first;; block = block.next(), ++slot) {
        *slot = lineBytes(block);
        m_textBytes += *slot;
        if (block == last)
            break;
    }
}
