#pragma once

#include "dialogs/elementdialog.h"

// The script, date, style sheet and caption dialogs: their designs, and their "确定", which reads
// the fields into the element.

extern const DialogDesign scriptDialogDesign;
extern const DialogDesign dateDialogDesign;
extern const DialogDesign stylesheetLinkDialogDesign;
extern const DialogDesign captionDialogDesign;

ElementResult scriptElement(ElementDialog &dialog, const QString &okButton);
ElementResult dateElement(ElementDialog &dialog, const QString &okButton);
ElementResult stylesheetLinkElement(ElementDialog &dialog, const QString &okButton);
ElementResult captionElement(ElementDialog &dialog, const QString &okButton);
