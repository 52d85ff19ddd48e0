#pragma once

class ElementDialog;
class MainWindow;

// "表域" and "文本框", the latter with its "添加文本" window. Each returns the open dialog.
ElementDialog *openFormDialog(MainWindow &mainWindow);
ElementDialog *openTextFieldDialog(MainWindow &mainWindow);

// The dialogs of the "表单" page: form, text field, label, button and drop-down.
void defineFormDialogCommands(MainWindow &mainWindow);
