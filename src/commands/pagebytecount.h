#pragma once

#include <QObject>

#include <functional>
#include <vector>

class QTextBlock;
class QTextDocument;

// The size of the page in bytes as Save writes it (the page codec's bytes, CR LF line breaks),
// kept line by line from the document's change notifications: a keystroke costs the encoding of
// the lines it touched, not of the whole page.
class PageByteCount : public QObject
{
    Q_OBJECT

public:
    // formatOnly tells, during a change, that only character formats change, not the text.
    PageByteCount(QTextDocument &document, std::function<bool()> formatOnly,
                  QObject *parent = nullptr);

    qsizetype byteCount() const;

private:
    void contentsChange(int position, int charsRemoved, int charsAdded);
    void recountAll();
    static qsizetype lineBytes(QStringView line);
    static qsizetype lineBytes(const QTextBlock &block);

    QTextDocument &m_document;
    std::function<bool()> m_formatOnly;
    // The encoded bytes of each line, its line break not included.
    std::vector<qsizetype> m_lineBytes;
    qsizetype m_textBytes = 0;
};
