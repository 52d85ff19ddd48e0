#pragma once

// Driving element dialogs from a test as the user drives them.

#include <QAnyStringView>
#include <QPoint>

#include <memory>

class ElementDialog;
class MainWindow;
class Platform;
class QListWidget;
class QString;
class QWidget;
class SourceEditor;

// A fresh main window over that platform, shown; nullptr when the window system does not expose it.
std::unique_ptr<MainWindow> showMainWindow(Platform &platform);
void setTextWithCaret(SourceEditor &editor, const QString &text, int caret);

// Lets closed dialogs finish their deletion, as the event loop would.
void finishClosing();

// Runs the command and returns the dialog of that name it opened, once it is on the screen;
// nullptr when none is.
ElementDialog *openDialogByCommand(MainWindow &mainWindow, QAnyStringView command,
                                   QAnyStringView name);

// Presses the button of the dialog that opens the add window of that name, and returns that
// window once it is on the screen; nullptr when none is.
ElementDialog *openAddWindowByButton(ElementDialog &dialog, const char *button, const char *name);

void clickOn(ElementDialog &dialog, const char *button);

// A click at the widget's centre, or at position within it, delivered through the window system,
// so that the modal restriction applies as it does to the user.
void clickThroughWindow(QWidget *widget, QPoint position = {});

// Selects the item in that row with the mouse.
void clickRow(QListWidget &list, int row);
