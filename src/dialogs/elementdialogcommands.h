#pragma once

#include "dialogs/elementdialog.h"

#include <span>

class MainWindow;

// One command that opens an element dialog: its design, its "确定" and its one-time wiring.
struct ElementDialogCommand {
    const char16_t *command;
    const DialogDesign &design;
    ElementResult (*onOk)(ElementDialog &dialog, const QString &okButton);
    void (*setUp)(ElementDialog &dialog) = nullptr;
};

void defineDialogCommands(MainWindow &mainWindow, std::span<const ElementDialogCommand> commands);

// Defines the commands that open the link, media, script, date, style sheet and caption dialogs.
void defineElementDialogCommands(MainWindow &mainWindow);
