#include "commands/editcommands.h"

#include "app/mainwindow.h"
#include "app/menutree.h"
#include "editor/sourceeditor.h"
#include "platform/platform.h"

#include <QAction>
#include <QMenu>
#include <QTextCursor>

namespace {

using EditCommand = SourceEditor::EditCommand;

void selectAllByLength(SourceEditor &editor)
{
    editor.selectAllText();
}

// The range form: from the first character to the end of the text.
void selectAllByRange(SourceEditor &editor)
{
    QTextCursor cursor = editor.textCursor();
    cursor.setPosition(0);
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    editor.setTextCursor(cursor);
}

void setMenuItemEnabled(const MainWindow &window, const QString &objectName, bool enabled)
{
    if (QAction *action = findMenuAction(window, objectName))
        action->setEnabled(enabled);
}

} // namespace

void defineEditCommands(MainWindow &window)
{
    CommandRouter &commands = window.commands();
    SourceEditor &editor = window.editor();
    commands.define(u"undo"_qs, [&editor] { editor.sendEditCommand(EditCommand::Undo); });
    commands.define(u"cut"_qs, [&editor] { editor.sendEditCommand(EditCommand::Cut); });
    commands.define(u"copy"_qs, [&editor] { editor.sendEditCommand(EditCommand::Copy); });
    commands.define(u"paste"_qs, [&editor] { editor.sendEditCommand(EditCommand::Paste); });
    commands.define(u"delete"_qs, [&window] { deleteSelection(window.editor(), window.platform()); });
    commands.define(u"selectAllByLength"_qs, [&editor] { selectAllByLength(editor); });
    commands.define(u"selectAllByRange"_qs, [&editor] { selectAllByRange(editor); });

    QObject::connect(&editor, &SourceEditor::rightButtonReleased, &window,
                     [&window](const QPoint &pointer, bool &handled) {
                         showContextMenu(window, pointer);
                         handled = true;
                     });
}

void deleteSelection(SourceEditor &editor, Platform &platform)
{
    const QString earlierText = platform.clipboardHasText() ? platform.clipboardText() : QString();
    editor.sendEditCommand(EditCommand::Cut);
    // Rewritten even when nothing was cut: the clipboard ends up holding plain text only.
    platform.setClipboardText(earlierText);
}

void showContextMenu(MainWindow &window, const QPoint &pointer)
{
    const SourceEditor &editor = window.editor();
    setMenuItemEnabled(window, u"editMenu.undo"_qs, editor.canUndo());
    setMenuItemEnabled(window, u"editMenu.paste"_qs, window.platform().clipboardHasText());
    const bool hasSelection = editor.selectionLength() != 0;
    setMenuItemEnabled(window, u"editMenu.cut"_qs, hasSelection);
    setMenuItemEnabled(window, u"editMenu.copy"_qs, hasSelection);
    setMenuItemEnabled(window, u"editMenu.delete"_qs, hasSelection);

    // popup() returns at once; the chosen item's command runs when the menu closes on it.
    if (QMenu *contextMenu = findContextMenu(window))
        contextMenu->popup(pointer + QPoint(3, 3));
}
