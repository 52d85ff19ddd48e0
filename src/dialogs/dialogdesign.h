#pragma once

#include <QRect>
#include <QSize>

#include <initializer_list>

// The fixed layout of one element dialog, walked by ElementDialog to build its controls.

enum class ControlKind {
    Label,          // static text; buddy names the field it labels
    LineEdit,       // text is the initial content
    TextEdit,       // multi-line; text is the initial content
    ComboBox,       // editable drop-down; items in order; the edit part starts empty
    ListBox,        // items in order; nothing selected at start
    RadioButton,    // radio buttons sharing a parent exclude each other
    CheckBox,
    GroupBox,       // a frame that holds the controls naming it as parent; text is its caption
    TabControl,
    TabPage,        // parent is its tab control; text is the page title
    OkButton,       // "确定": reads the fields and inserts the element
    CancelButton,   // "取消": closes, inserting nothing
    BrowseButton,   // "...": browseIntoField into the field named by buddy
    PresetButton,   // replaces the whole text of the field named by buddy with its one item
    PushButton,     // any other button; the dialog family connects it by name
};

struct ControlDesign {
    ControlKind kind;
    const char *name;               // objectName: code and tests find controls by it, never by caption
    const char16_t *text = u"";
    QRect geometry;                 // within the parent: x, y, width, height; a control on a tab
                                    // page counts from the tab control's corner, tab row included
    const char *parent = nullptr;   // enclosing group box or tab page; nullptr is the window
    const char *buddy = nullptr;
    std::initializer_list<const char16_t *> items = {};
};

// A dialog's own file dialog: an open-file dialog with this filter, stored as "shown|pattern|...".
struct FileDialogDesign {
    const char16_t *filter = u"";
    int firstEntry = 0;
    // "..." borrows the main window's file dialog instead, sharing its state with the file commands.
    bool borrowsMainFileDialog = false;
};

struct DialogDesign {
    const char *name;               // objectName of the window
    const char16_t *caption;
    QSize size;                     // outer size, frame and title bar included
    std::initializer_list<ControlDesign> controls;
    const char *comboSelectingFirstItem = nullptr; // the creation step, when the dialog has one
    FileDialogDesign fileDialog = {};
};
