#pragma once

#include <QObject>

class MainFileDialog;
class Platform;
class SourceEditor;
struct Snippet;

// The one document: the modified flag, the save question and the file commands.
class DocumentCommands : public QObject
{
    Q_OBJECT

public:
    enum class Page { Html, Asp, Css };

    DocumentCommands(SourceEditor &editor, MainFileDialog &fileDialog, QObject *parent = nullptr);

    // Once set, it stays set until the program ends: saving does not clear it.
    bool documentModified() const { return m_documentModified; }
    void setDocumentModified() { m_documentModified = true; }

    // Asks "文件已经被修改，是否保存？" when the text was modified. True means the caller must stop:
    // the user cancelled, or asked for a save that did not happen.
    bool confirmSaveIfModified();
    void newDocument(Page page);
    void openDocument();
    // Asks for a name and writes the text; true when the file was written.
    bool saveDocument();

    static const Snippet &pageFor(Page page);

private:
    Platform &platform() const;

    SourceEditor &m_editor;
    MainFileDialog &m_fileDialog;
    bool m_documentModified = false;
};
