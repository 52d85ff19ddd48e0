#pragma once

class ElementDialog;
class MainWindow;

// "标签", "按钮" and "下拉框", the latter with its "添加" window. Each returns the open dialog.
ElementDialog *openLabelDialog(MainWindow &mainWindow);
ElementDialog *openButtonDialog(MainWindow &mainWindow);
ElementDialog *openDropDownDialog(MainWindow &mainWindow);
