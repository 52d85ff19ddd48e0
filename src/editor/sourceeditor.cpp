#include "editor/sourceeditor.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace {

constexpr QColor designBackground(255, 168, 255);

// The text widget keeps no point offset of its own; the record's offset rides along unchanged.
constexpr int offsetProperty = QTextFormat::UserProperty + 1;

} // namespace

SourceEditor::SourceEditor(QWidget *parent)
    : QPlainTextEdit(parent)
    , m_designBackground(designBackground)
{
    setObjectName(u"sourceEditor"_qs);
    setAccessibleName(u"源代码"_qs);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    QFont designFont(u"宋体"_qs);
    designFont.setPointSize(9);
    setFont(designFont);
    document()->setDefaultFont(designFont);

    QPalette colours = palette();
    colours.setColor(QPalette::Base, m_designBackground);
    // The selection is hidden while the editor does not have the focus.
    colours.setColor(QPalette::Inactive, QPalette::Highlight, Qt::transparent);
    colours.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     colours.color(QPalette::Active, QPalette::Text));
    setPalette(colours);
}

QString SourceEditor::withUnixLineBreaks(QString text)
{
    // The widget would show line and paragraph separators as line breaks inside one line; make
    // them the real thing. One look through the text decides whether anything needs doing.
    const auto needsChange = [](QChar c) {
        return c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
    };
    if (std::none_of(text.cbegin(), text.cend(), needsChange))
        return text;
    text.replace(u"\r\n"_qs, u"\n"_qs).replace(u'\r', u'\n');
    text.replace(QChar::LineSeparator, u'\n').replace(QChar::ParagraphSeparator, u'\n');
    return text;
}

void SourceEditor::replaceAllText(const QString &text)
{
    setPlainText(withUnixLineBreaks(text));
}

QString SourceEditor::plainText() const
{
    // toPlainText() would turn non-breaking spaces into blanks; the raw text keeps every character.
    QString text = document()->toRawText();
    for (QChar &c : text) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = u'\n';
    }
    return text;
}

QString SourceEditor::getAllText() const
{
    return plainText().replace(u'\n', u"\r\n"_qs);
}

void SourceEditor::insertAtSelection(const QString &text)
{
    insertPlainText(withUnixLineBreaks(text));
}

void SourceEditor::selectAllText()
{
    selectAll();
}

int SourceEditor::selectionLength() const
{
    const QTextCursor cursor = textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

bool SourceEditor::canUndo() const
{
    return document()->isUndoAvailable();
}

void SourceEditor::sendEditCommand(EditCommand command)
{
    switch (command) {
    case EditCommand::Undo:
        undo();
        emit caretPlacedAfterUndo();
        break;
    case EditCommand::Cut: cut(); break;
    case EditCommand::Copy: copy(); break;
    case EditCommand::Paste: paste(); break;
    }
}

int SourceEditor::lineCount() const
{
    return document()->blockCount();
}

int SourceEditor::caretLineIndex() const
{
    return document()->findBlock(textCursor().selectionStart()).blockNumber();
}

FontRecord SourceEditor::getSelectionFormat() const
{
    // The format of the selection's first character; a cursor reports the one before it.
    QTextCursor first(document());
    first.setPosition(textCursor().selectionStart());
    if (textCursor().hasSelection())
        first.movePosition(QTextCursor::NextCharacter);
    const QTextCharFormat format = first.charFormat();
    const QFont font = format.font().resolve(document()->defaultFont());
    FontRecord record;
    record.face = font.family();
    record.size = font.pointSize();
    record.offset = format.intProperty(offsetProperty);
    record.effects = (font.bold() ? FontRecord::Bold : 0) | (font.italic() ? FontRecord::Italic : 0)
        | (font.underline() ? FontRecord::Underline : 0)
        | (font.strikeOut() ? FontRecord::StrikeOut : 0);
    if (format.foreground().style() != Qt::NoBrush)
        record.colour = recordFromColour(format.foreground().color());
    return record;
}

void SourceEditor::setSelectionFormat(const FontRecord &record)
{
    QTextCharFormat format;
    format.setFontFamilies({record.face});
    if (record.size > 0)
        format.setFontPointSize(record.size);
    format.setProperty(offsetProperty, record.offset);
    format.setFontWeight(record.effects & FontRecord::Bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(record.effects & FontRecord::Italic);
    format.setFontUnderline(record.effects & FontRecord::Underline);
    format.setFontStrikeOut(record.effects & FontRecord::StrikeOut);
    // An empty brush draws in the palette's text colour: the automatic colour.
    format.setForeground(record.colour == FontRecord::automaticColour
                             ? QBrush()
                             : QBrush(colourFromRecord(record.colour)));
    m_changingFormatOnly = true;
    textCursor().mergeCharFormat(format);
    m_changingFormatOnly = false;
}

void SourceEditor::setBackgroundColour(std::uint32_t colour)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Base, colour == FontRecord::automaticColour
                         ? QPalette().color(QPalette::Base)
                         : colourFromRecord(colour));
    setPalette(colours);
}

void SourceEditor::keyPressEvent(QKeyEvent *event)
{
    const bool undoing = event == QKeySequence::Undo || event == QKeySequence::Redo;
    QPlainTextEdit::keyPressEvent(event);
    if (undoing)
        emit caretPlacedAfterUndo();
}

void SourceEditor::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        bool handled = false;
        emit rightButtonReleased(event->globalPosition().toPoint(), handled);
        if (handled) {
            event->accept();
            return;
        }
    }
    QPlainTextEdit::mouseReleaseEvent(event);
}

void SourceEditor::insertFromMimeData(const QMimeData *source)
{
    if (source && source->hasText())
        insertPlainText(withUnixLineBreaks(source->text()));
}

void SourceEditor::contextMenuEvent(QContextMenuEvent *event)
{
    // The program's own menu comes on the right button's release; the widget's menu never shows.
    event->accept();
}
