#pragma once

#include "dialogs/dialogdesign.h"

class ElementDialog;
class MainWindow;

// "关于...": the program's name, version, designer and a description, all fixed texts.
extern const DialogDesign aboutDialogDesign;

ElementDialog *openAboutDialog(MainWindow &mainWindow);
