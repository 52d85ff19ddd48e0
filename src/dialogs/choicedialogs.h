#pragma once

#include "dialogs/elementdialog.h"

// "标签", "按钮" and "下拉框": their designs, their "确定", which reads the fields into the
// element, and the drop-down dialog's "添加" window with the lists it fills.

extern const DialogDesign labelDialogDesign;
extern const DialogDesign buttonDialogDesign;
extern const DialogDesign dropDownDialogDesign;

ElementResult labelElement(ElementDialog &dialog, const QString &okButton);
ElementResult buttonElement(ElementDialog &dialog, const QString &okButton);
ElementResult dropDownElement(ElementDialog &dialog, const QString &okButton);

// Wires "添加" and "删除" of a fresh drop-down dialog.
void setUpDropDownDialog(ElementDialog &dialog);
