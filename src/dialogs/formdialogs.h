#pragma once

class MainWindow;

// The dialogs of the "表单" page: form, text field (with its "添加文本" window), label, button and
// drop-down.
void defineFormDialogCommands(MainWindow &mainWindow);
