#pragma once

#include "dialogs/dialogdesign.h"

#include <QStringList>

#include <functional>

class ElementDialog;
class QListWidget;

// openElementDialog hands back the open instance when there is one; a dialog family wires its own
// buttons only into a fresh instance. True the first time it is asked about a dialog.
bool needsFamilySetUp(ElementDialog &dialog);

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
