#pragma once

#include "dialogs/elementdialog.h"

// The media dialogs: their designs, and their "确定", which reads the fields into the element.

extern const DialogDesign imageDialogDesign;
extern const DialogDesign flashDialogDesign;
extern const DialogDesign mediaDialogDesign;
extern const DialogDesign backgroundMusicDialogDesign;

ElementResult imageElement(ElementDialog &dialog, const QString &okButton);
ElementResult flashElement(ElementDialog &dialog, const QString &okButton);
ElementResult mediaElement(ElementDialog &dialog, const QString &okButton);
ElementResult backgroundMusicElement(ElementDialog &dialog, const QString &okButton);
