#pragma once

#include <QString>

class MainWindow;
class QAction;
class QMenu;
class QWidget;

// One row of the menu tree. Level 0 is a menu on the bar, 1 an entry of its drop-down, 2 an entry
// of a sub-menu. An entry followed by deeper entries is a sub-menu; a caption "-" is a separator.
struct MenuEntry {
    enum Visibility { Shown, Hidden };

    const char16_t *caption;
    int level;
    // For a menu or sub-menu its objectName; for an item the command it runs.
    const char *name;
    // Tells apart the items of one menu that run the same command.
    const char *alias = nullptr;
    Visibility visibility = Shown;
};

// Fills the window's menu bar from the menu tree and builds the hidden right-click menu. Each item
// runs its command through the window's command router; its objectName is the menu's objectName, a
// dot and the command (or alias): "editMenu.undo", "contextMenu.cut".
void buildMenus(MainWindow &window);

QMenu *findContextMenu(const QWidget &window);
QAction *findMenuAction(const QWidget &window, const QString &objectName);
