#pragma once

#include "dialogs/dialogdesign.h"

#include <QDialog>
#include <QStringList>

#include <functional>

class MainWindow;
class MainFileDialog;
class QLineEdit;
class QListWidget;
class SourceEditor;

// What "确定" produces: the pieces to insert, one insertAtSelection each, and whether the dialog
// stays open afterwards (it closes unless a dialog says otherwise).
struct ElementResult {
    QStringList pieces;
    bool staysOpen = false;
};

class ElementDialog;
// Reads the fields when the OK button named okButton is pressed and builds the element.
using OkHandler = std::function<ElementResult(ElementDialog &dialog, const QString &okButton)>;
// Wires what the design cannot say (buttons a family connects by name) into a fresh instance.
using DialogSetUp = std::function<void(ElementDialog &dialog)>;

// One opening of an element dialog, built afresh from its design and destroyed when it closes.
class ElementDialog : public QDialog
{
    Q_OBJECT

public:
    ElementDialog(const DialogDesign &design, MainWindow &mainWindow, OkHandler onOk);

    // The value a control contributes: an edit's text (a multi-line edit's lines joined by CR LF),
    // a combo box's edit text, a list box's selected item or the empty text.
    QString value(const char *name) const;
    bool isChecked(const char *name) const;
    template<typename Control>
    Control *control(const char *name) const
    {
        return findChild<Control *>(QLatin1StringView(name));
    }

    // "...": shows the dialog's own file dialog and, whatever the answer, puts its current file
    // name into the field, so a cancel in a fresh dialog empties the field.
    void browseIntoField(QLineEdit *field);
    // The same rule with the main window's file dialog, which keeps its name between uses.
    void browseIntoField(QLineEdit *field, MainFileDialog &fileDialog);

    void insertPieces(const QStringList &pieces);
    // Gives the controls the design's outer size less the window system's frame.
    void fitOuterSize();
    MainWindow &mainWindow() const { return m_mainWindow; }

private:
    void buildControls(const DialogDesign &design);
    void pressOk(const QString &button);

    MainWindow &m_mainWindow;
    OkHandler m_onOk;
    FileDialogDesign m_fileDialog;
    QSize m_outerSize;
    QString m_fileName;             // the own file dialog's current file name
    bool m_finished = false;        // a second quick "确定" must not insert twice
};

// Opens the dialog of that design modally and returns at once. When it is open already, no second
// one is made: the open one comes to the front, and setUp does not run again. Returns the open
// dialog.
ElementDialog *openElementDialog(MainWindow &mainWindow, const DialogDesign &design, OkHandler onOk,
                                 const DialogSetUp &setUp = {});
void closeElementDialog(ElementDialog &dialog);

// Opens the add window of that design beside its dialog, modeless: the dialog's modal restriction
// does not hold it back, both take input, and it closes with the dialog. When one is open already
// it comes to the front, keeping its fields. onAdd runs for each press of the add window's OK
// button, and only while the dialog is still open.
ElementDialog *openAddWindow(ElementDialog &dialog, const DialogDesign &design,
                             std::function<void(ElementDialog &addWindow)> onAdd);

// The lists the add windows fill.
QStringList listEntries(const QListWidget &list);
// The new entry becomes the selected one and scrolls into view.
void appendAndSelect(QListWidget &list, const QString &entry);
// Deletes the selected entry, if any; afterwards nothing is selected.
void deleteSelectedEntry(QListWidget &list);
