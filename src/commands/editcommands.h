#pragma once

class MainWindow;
class Platform;
class QPoint;
class SourceEditor;

// Defines undo, cut, copy, paste, delete, selectAllByLength and selectAllByRange, and answers the
// right button's release over the editor with the right-click menu.
void defineEditCommands(MainWindow &window);

// Removes the selection without leaving it on the clipboard: the clipboard keeps the text it held
// before, or an empty text when it held none.
void deleteSelection(SourceEditor &editor, Platform &platform);

// Sets the edit menu's enabled flags from the editor and the clipboard, and pops up the right-click
// menu just below and right of the pointer. The right-click menu itself always offers everything.
void showContextMenu(MainWindow &window, const QPoint &pointer);
