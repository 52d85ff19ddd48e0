#pragma once

#include "dialogs/elementdialog.h"

// The link dialogs: their designs, and their "确定", which reads the fields into the element.

extern const DialogDesign hyperlinkDialogDesign;
extern const DialogDesign emailLinkDialogDesign;
extern const DialogDesign anchorDialogDesign;

ElementResult hyperlinkElement(ElementDialog &dialog, const QString &okButton);
ElementResult emailLinkElement(ElementDialog &dialog, const QString &okButton);
ElementResult anchorElement(ElementDialog &dialog, const QString &okButton);
