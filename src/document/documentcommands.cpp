#include "document/documentcommands.h"

#include "document/mainfiledialog.h"
#include "document/pagecodec.h"
#include "document/pagefile.h"
#include "document/pages.h"
#include "editor/sourceeditor.h"
#include "platform/platform.h"

#include <QDir>

DocumentCommands::DocumentCommands(SourceEditor &editor, MainFileDialog &fileDialog, QObject *parent)
    : QObject(parent)
    , m_editor(editor)
    , m_fileDialog(fileDialog)
{
}

Platform &DocumentCommands::platform() const
{
    return m_fileDialog.platform();
}

const Snippet &DocumentCommands::pageFor(Page page)
{
    switch (page) {
    case Page::Asp: return aspPage;
    case Page::Css: return cssPage;
    case Page::Html: break;
    }
    return startPage;
}

bool DocumentCommands::confirmSaveIfModified()
{
    if (!m_documentModified)
        return false;
    switch (platform().askYesNoCancel(u"询问"_qs, u"文件已经被修改，是否保存？"_qs)) {
    case Answer::Yes:
        // A save the user asked for that did not happen must not let the text be thrown away.
        return !saveDocument();
    case Answer::No:
        return false;
    case Answer::Cancel:
        break;
    }
    return true;
}

void DocumentCommands::newDocument(Page page)
{
    if (confirmSaveIfModified())
        return;
    m_editor.replaceAllText(QString());
    insertSnippet(m_editor, pageFor(page));
}

void DocumentCommands::openDocument()
{
    if (confirmSaveIfModified())
        return;
    if (!m_fileDialog.showOpenFile())
        return;
    const QString path = m_fileDialog.fileName();
    const ReadOutcome read = readPageFile(path);
    if (!read.bytes) {
        platform().reportError(u"打开失败"_qs, u"无法打开文件“%1”：%2"_qs
                                                  .arg(QDir::toNativeSeparators(path), read.error));
        return;
    }
    m_editor.replaceAllText(PageCodec::decode(*read.bytes));
}

bool DocumentCommands::saveDocument()
{
    const bool confirmed = m_fileDialog.showSaveFile();
    const QString path = m_fileDialog.fileName();
    m_fileDialog.clearFileName();
    if (!confirmed || path.isEmpty())
        return false;
    const FileOutcome written = writePageFile(path, PageCodec::encode(m_editor.plainText()));
    if (!written.ok) {
        platform().reportError(u"保存失败"_qs, u"无法保存文件“%1”：%2\n编辑器中的文本没有改变。"_qs
                                                  .arg(QDir::toNativeSeparators(path), written.error));
        return false;
    }
    return true;
}
