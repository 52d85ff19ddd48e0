#pragma once

// What the form dialogs add to the element dialog framework: one-time wiring, combo boxes that
// keep typed text, and the small add windows with the lists they fill.

#include "dialogs/dialogdesign.h"

#include <QStringList>

#include <functional>

class ElementDialog;
class QComboBox;
class QListWidget;

// openElementDialog hands back the open instance when there is one; a dialog family wires its own
// buttons only into a fresh instance. True the first time it is asked about a dialog.
bool needsFamilySetUp(ElementDialog &dialog);

// Typing "post" must give "post": no completion from the items, which would turn it into "POST".
void keepTypedText(QComboBox &combo);

// Opens the add window of that design beside its dialog, modeless: the dialog's modal restriction
// does not hold it back, both take input, and it closes with the dialog. When one is open already
// it comes to the front, keeping its fields. onAdd runs for each press of the add window's OK
// button, and only while the dialog is still open.
ElementDialog *openAddWindow(ElementDialog &dialog, const DialogDesign &design,
                             std::function<void(ElementDialog &addWindow)> onAdd);

QStringList listEntries(const QListWidget &list);
// The new entry becomes the selected one and scrolls into view.
void appendAndSelect(QListWidget &list, const QString &entry);
// Deletes the selected entry, if any; afterwards nothing is selected.
void deleteSelectedEntry(QListWidget &list);
