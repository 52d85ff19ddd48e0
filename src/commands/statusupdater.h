#pragma once

#include "commands/pagebytecount.h"

#include <QObject>
#include <QString>

class DocumentCommands;
class SourceEditor;
class StatusBar;

// n bytes as kilobytes for the status bar: n / 1024 rounded to two decimals, halves upward, with
// at most 13 significant digits and no trailing zeros, then "k". 1536 gives "1.5k".
QString kilobyteText(qint64 bytes);

// Refreshes the line count, caret line and size panes and marks the document modified after every
// change of the text. Moving the caret alone changes nothing.
class StatusUpdater : public QObject
{
    Q_OBJECT

public:
    static constexpr int lineCountPane = 1;
    static constexpr int caretLinePane = 3;
    static constexpr int sizePane = 7;

    StatusUpdater(SourceEditor &editor, StatusBar &statusBar, DocumentCommands &document,
                  QObject *parent = nullptr);

    // The bytes Save would write for the current text, kept up to date with every change.
    qsizetype byteCount() const { return m_byteCount.byteCount(); }

    void updateStatusBar();

private:
    SourceEditor &m_editor;
    StatusBar &m_statusBar;
    DocumentCommands &m_document;
    PageByteCount m_byteCount;
};
