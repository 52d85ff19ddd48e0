#include "snippets/snippetcommands.h"

#include "app/mainwindow.h"
#include "editor/sourceeditor.h"
#include "snippets/markuptoolbar.h"
#include "snippets/referencelists.h"
#include "snippets/referencepanel.h"
#include "snippets/snippettables.h"

void defineSnippetCommands(MainWindow &window)
{
    SourceEditor &editor = window.editor();
    CommandRouter &commands = window.commands();
    for (const MenuSnippet &item : menuSnippets()) {
        const Snippet &snippet = item.snippet;
        commands.define(QString::fromLatin1(item.command),
                        [&editor, &snippet] { insertSnippet(editor, snippet); });
    }

    ReferencePanel &panel = window.referencePanel();
    const auto lists = referenceLists();
    for (int page = 0; page < ReferencePanel::PageCount; ++page) {
        commands.define(QString::fromLatin1(lists[page].command),
                        [&panel, page] { panel.showReferencePage(ReferencePanel::Page(page)); });
    }
    QObject::connect(&panel, &ReferencePanel::insertRequested, &editor, &SourceEditor::insertAtSelection);

    MarkupToolbar &toolbar = window.markupToolbar();
    QObject::connect(&toolbar, &MarkupToolbar::snippetChosen, &editor,
                     [&editor](const Snippet &snippet) { insertSnippet(editor, snippet); });
    QObject::connect(&toolbar, &MarkupToolbar::commandChosen, &window,
                     [&commands](const QString &command) { commands.run(command); });
}
