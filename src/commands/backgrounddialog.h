#pragma once

#include "dialogs/dialogdesign.h"

#include <QRect>

class ElementDialog;
class MainWindow;

// "背景设置": a colour picker that starts at black; "确定" colours the editing area and leaves the
// dialog open, "取消" closes it and the colour stays.
extern const DialogDesign backgroundDialogDesign;
// The element dialog framework has no colour picker, so the dialog adds it into its frame here.
inline constexpr QRect backgroundPickerGeometry{125, 54, 128, 32};

ElementDialog *openBackgroundDialog(MainWindow &mainWindow);
