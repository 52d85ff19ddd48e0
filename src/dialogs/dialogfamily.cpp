#include "dialogs/dialogfamily.h"

#include "dialogs/elementdialog.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QListWidget>
#include <QPointer>
#include <QScreen>

namespace {

constexpr char familySetUpProperty[] = "familySetUp";

ElementDialog *openInstance(ElementDialog &dialog, const DialogDesign &design)
{
    const auto instances = dialog.findChildren<ElementDialog *>(QLatin1StringView(design.name),
                                                                Qt::FindDirectChildrenOnly);
    for (ElementDialog *window : instances) {
        // A closed window may still wait for its deletion; it does not count.
        if (window->isVisible())
            return window;
    }
    return nullptr;
}

} // namespace

bool needsFamilySetUp(ElementDialog &dialog)
{
    if (dialog.property(familySetUpProperty).toBool())
        return false;
    dialog.setProperty(familySetUpProperty, true);
    return true;
}

void keepTypedText(QComboBox &combo)
{
    combo.setCompleter(nullptr);
}

ElementDialog *openAddWindow(ElementDialog &dialog, const DialogDesign &design,
                             std::function<void(ElementDialog &addWindow)> onAdd)
{
    if (ElementDialog *open = openInstance(dialog, design)) {
        open->showNormal();
        open->raise();
        open->activateWindow();
        return open;
    }
    auto addToOpenDialog = [owner = QPointer<ElementDialog>(&dialog),
                            onAdd = std::move(onAdd)](ElementDialog &addWindow, const QString &) {
        // A press that arrives while the dialog is closing changes nothing.
        if (owner && owner->isVisible())
            onAdd(addWindow);
        return ElementResult{{}, true};
    };
    auto *window = new ElementDialog(design, dialog.mainWindow(), std::move(addToOpenDialog));
    // A window owned by the modal dialog is not blocked by it; it is destroyed with it.
    window->setParent(&dialog, window->windowFlags());
    window->setWindowModality(Qt::NonModal);
    QObject::connect(&dialog, &QDialog::finished, window, &QWidget::close);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QSize screenSize = screen->size();
        window->move((screenSize.width() - design.size.width()) / 2,
                     (screenSize.height() - design.size.height()) / 2);
    }
    window->show();
    // The first field takes the keys at once, before the window system has activated the window.
    for (const ControlDesign &control : design.controls) {
        if (control.kind == ControlKind::LineEdit) {
            window->control<QWidget>(control.name)->setFocus();
            break;
        }
    }
    window->activateWindow();
    return window;
}

QStringList listEntries(const QListWidget &list)
{
    QStringList entries;
    entries.reserve(list.count());
    for (int row = 0; row < list.count(); ++row)
        entries.append(list.item(row)->text());
    return entries;
}

void appendAndSelect(QListWidget &list, const QString &entry)
{
    list.addItem(entry);
    QListWidgetItem *item = list.item(list.count() - 1);
    list.setCurrentItem(item);
    list.scrollToItem(item);
}

void deleteSelectedEntry(QListWidget &list)
{
    const QList<QListWidgetItem *> selected = list.selectedItems();
    if (selected.isEmpty())
        return;
    delete list.takeItem(list.row(selected.constFirst()));
    list.clearSelection();
}
