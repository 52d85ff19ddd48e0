#pragma once

#include "editor/fontrecord.h"

#include <QPlainTextEdit>

#include <cstdint>

// The one control that holds the document. Its boundary speaks CR LF: texts given to it may break
// lines with CR LF, a lone CR or a lone LF, and getAllText() returns CR LF line breaks. Inside,
// lines end in '\n' as the text widget keeps them.
class SourceEditor : public QPlainTextEdit
{
    Q_OBJECT

public:
    enum class EditCommand { Undo, Cut, Copy, Paste };

    explicit SourceEditor(QWidget *parent = nullptr);

    void replaceAllText(const QString &text);
    QString getAllText() const;
    // The whole text with '\n' line breaks, as the page codec takes it.
    QString plainText() const;
    void insertAtSelection(const QString &text);
    void selectAllText();
    int selectionLength() const;
    bool canUndo() const;
    void sendEditCommand(EditCommand command);
    int lineCount() const;
    int caretLineIndex() const;
    FontRecord getSelectionFormat() const;
    void setSelectionFormat(const FontRecord &format);
    void setBackgroundColour(std::uint32_t colour);
    // True while setSelectionFormat runs: the document then reports changes of format only.
    bool isChangingFormatOnly() const { return m_changingFormatOnly; }

    // Any CR LF, lone CR or lone LF becomes '\n'.
    static QString withUnixLineBreaks(QString text);

signals:
    // Emitted before the editor sees the release; a handler sets handled to stop its default action.
    void rightButtonReleased(const QPoint &globalPosition, bool &handled);
    // Undo and redo change the text first and place the caret afterwards; this comes once the
    // caret is in its place.
    void caretPlacedAfterUndo();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    QColor m_designBackground;
    bool m_changingFormatOnly = false;
};
