#include "commands/statusupdater.h"

#include "commands/statusbar.h"
#include "document/documentcommands.h"
#include "editor/sourceeditor.h"

namespace {

constexpr int maximumSignificantDigits = 13;

} // namespace

QString kilobyteText(qint64 bytes)
{
    // Hundredths of a kilobyte, n * 100 / 1024 rounded half up, computed without overflow.
    const qint64 n = qMax<qint64>(bytes, 0);
    qint64 hundredths = n / 256 * 25 + (n % 256 * 50 + 256) / 512;
    QString digits = QString::number(hundredths);
    if (digits.size() > maximumSignificantDigits) {
        qint64 scale = 1;
        for (qsizetype i = maximumSignificantDigits; i < digits.size(); ++i)
            scale *= 10;
        hundredths = (hundredths / scale + (hundredths % scale * 2 >= scale ? 1 : 0)) * scale;
        digits = QString::number(hundredths);
    }
    QString text = digits.size() > 2 ? digits.chopped(2) : u"0"_qs;
    QString decimals = digits.right(2).rightJustified(2, u'0');
    while (decimals.endsWith(u'0'))
        decimals.chop(1);
    if (!decimals.isEmpty())
        text += u'.' + decimals;
    return text + u'k';
}

StatusUpdater::StatusUpdater(SourceEditor &editor, StatusBar &statusBar, DocumentCommands &document,
                             QObject *parent)
    : QObject(parent)
    , m_editor(editor)
    , m_statusBar(statusBar)
    , m_document(document)
    , m_byteCount(*editor.document(), [&editor] { return editor.isChangingFormatOnly(); })
{
    // The document reports where it changed before the editor reports that it changed, so the
    // byte count is current when the panes are written.
    connect(&editor, &SourceEditor::textChanged, this, &StatusUpdater::updateStatusBar);
    connect(&editor, &SourceEditor::caretPlacedAfterUndo, this, [this] {
        m_statusBar.setPaneText(caretLinePane, QString::number(m_editor.caretLineIndex()));
    });
}

void StatusUpdater::updateStatusBar()
{
    m_statusBar.setPaneText(sizePane, kilobyteText(m_byteCount.byteCount()));
    m_statusBar.setPaneText(lineCountPane, QString::number(m_editor.lineCount()));
    m_statusBar.setPaneText(caretLinePane, QString::number(m_editor.caretLineIndex()));
    m_document.setDocumentModified();
}
