#include "dialogs/elementdialog.h"

#include "app/mainwindow.h"
#include "document/mainfiledialog.h"
#include "editor/sourceeditor.h"
#include "platform/platform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyleOptionTabWidgetFrame>
#include <QTabWidget>
#include <QWindow>

namespace {

QString text(const char16_t *literal)
{
    return QString::fromUtf16(literal);
}

// A tab control that tells, before it is first laid out, where its pages will start.
class DesignTabControl : public QTabWidget
{
public:
    using QTabWidget::QTabWidget;

    QPoint pageCorner() const
    {
        QStyleOptionTabWidgetFrame option;
        initStyleOption(&option);
        return style()->subElementRect(QStyle::SE_TabWidgetTabContents, &option, this).topLeft();
    }
};

// A closed window may still wait for its deletion; it does not count.
ElementDialog *openInstance(const QWidget &owner, const DialogDesign &design)
{
    const auto instances = owner.findChildren<ElementDialog *>(QLatin1StringView(design.name),
                                                               Qt::FindDirectChildrenOnly);
    for (ElementDialog *window : instances) {
        if (window->isVisible())
            return window;
    }
    return nullptr;
}

void bringToFront(ElementDialog &window)
{
    window.showNormal();
    window.raise();
    window.activateWindow();
}

void showCentred(ElementDialog &window, const DialogDesign &design)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QSize screenSize = screen->size();
        window.move((screenSize.width() - design.size.width()) / 2,
                    (screenSize.height() - design.size.height()) / 2);
    }
    window.show();
    window.fitOuterSize();
}

} // namespace

ElementDialog::ElementDialog(const DialogDesign &design, MainWindow &mainWindow, OkHandler onOk)
    : QDialog(&mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                               | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                               | Qt::MSWindowsFixedSizeDialogHint)
    , m_mainWindow(mainWindow)
    , m_onOk(std::move(onOk))
    , m_fileDialog(design.fileDialog)
    , m_outerSize(design.size)
{
    setObjectName(QLatin1StringView(design.name));
    setWindowTitle(text(design.caption));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(design.size);
    buildControls(design);
    // The close box and Escape act as "取消": QDialog closes, and the instance is deleted.
}

void ElementDialog::buildControls(const DialogDesign &design)
{
    // The tab control lays its pages out below the tab row; the design counts from its corner.
    QHash<const QWidget *, QPoint> pageCorners;
    for (const ControlDesign &c : design.controls) {
        QWidget *parent = this;
        if (c.parent) {
            parent = findChild<QWidget *>(QLatin1StringView(c.parent));
            Q_ASSERT_X(parent, c.name, "a control's parent must come before it in the design");
        }
        const QString caption = text(c.text);
        QWidget *widget = nullptr;
        switch (c.kind) {
        case ControlKind::Label:
            widget = new QLabel(caption, parent);
            break;
        case ControlKind::LineEdit:
            widget = new QLineEdit(caption, parent);
            break;
        case ControlKind::TextEdit: {
            auto *edit = new QPlainTextEdit(parent);
            edit->setPlainText(caption);
            edit->setLineWrapMode(QPlainTextEdit::NoWrap);
            edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            widget = edit;
            break;
        }
        case ControlKind::ComboBox: {
            auto *combo = new QComboBox(parent);
            combo->setEditable(true);
            combo->setInsertPolicy(QComboBox::NoInsert);
            // No completion: a value typed by hand must stay exactly as typed, case included.
            combo->setCompleter(nullptr);
            for (const char16_t *item : c.items)
                combo->addItem(text(item));
            combo->setCurrentIndex(-1);
            combo->setEditText(QString());
            widget = combo;
            break;
        }
        case ControlKind::ListBox: {
            auto *list = new QListWidget(parent);
            for (const char16_t *item : c.items)
                list->addItem(text(item));
            widget = list;
            break;
        }
        case ControlKind::RadioButton:
            widget = new QRadioButton(caption, parent);
            break;
        case ControlKind::CheckBox:
            widget = new QCheckBox(caption, parent);
            break;
        case ControlKind::GroupBox:
            widget = new QGroupBox(caption, parent);
            break;
        case ControlKind::TabControl:
            widget = new DesignTabControl(parent);
            break;
        case ControlKind::TabPage: {
            auto *tabs = dynamic_cast<DesignTabControl *>(parent);
            Q_ASSERT_X(tabs, c.name, "a tab page's parent must be a tab control");
            auto *page = new QWidget;
            page->setObjectName(QLatin1StringView(c.name));
            tabs->addTab(page, caption);
            pageCorners.insert(page, tabs->pageCorner());
            continue;
        }
        case ControlKind::OkButton:
        case ControlKind::CancelButton:
        case ControlKind::BrowseButton:
        case ControlKind::PresetButton:
        case ControlKind::PushButton: {
            auto *button = new QPushButton(caption, parent);
            button->setAutoDefault(false);
            const QString name = QLatin1StringView(c.name);
            if (c.kind == ControlKind::OkButton)
                connect(button, &QPushButton::clicked, this, [this, name] { pressOk(name); });
            else if (c.kind == ControlKind::CancelButton)
                connect(button, &QPushButton::clicked, this, [this] { closeElementDialog(*this); });
            else if (c.kind == ControlKind::BrowseButton)
                connect(button, &QPushButton::clicked, this,
                        [this, field = QLatin1StringView(c.buddy)] {
                            auto *edit = findChild<QLineEdit *>(field);
                            if (m_fileDialog.borrowsMainFileDialog)
                                browseIntoField(edit, m_mainWindow.mainFileDialog());
                            else
                                browseIntoField(edit);
                        });
            else if (c.kind == ControlKind::PresetButton)
                connect(button, &QPushButton::clicked, this,
                        [this, field = QLatin1StringView(c.buddy), preset = c.items.size() ? text(*c.items.begin()) : QString()] {
                            if (auto *edit = findChild<QLineEdit *>(field))
                                edit->setText(preset);
                        });
            widget = button;
            break;
        }
        }
        widget->setObjectName(QLatin1StringView(c.name));
        widget->setGeometry(c.geometry.translated(-pageCorners.value(parent)));
    }
    // Labels name their fields, so each field carries its label's text as its accessible name.
    for (const ControlDesign &c : design.controls) {
        if (c.kind == ControlKind::Label && c.buddy) {
            auto *label = findChild<QLabel *>(QLatin1StringView(c.name));
            if (QWidget *field = findChild<QWidget *>(QLatin1StringView(c.buddy))) {
                label->setBuddy(field);
                field->setAccessibleName(label->text());
            }
        }
    }
    if (design.comboSelectingFirstItem) {
        if (auto *combo = control<QComboBox>(design.comboSelectingFirstItem))
            combo->setCurrentIndex(0);
    }
}

QString ElementDialog::value(const char *name) const
{
    QWidget *widget = control<QWidget>(name);
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        return edit->text();
    if (auto *edit = qobject_cast<QPlainTextEdit *>(widget))
        return edit->toPlainText().replace(u'\n', u"\r\n"_qs);
    if (auto *combo = qobject_cast<QComboBox *>(widget))
        return combo->currentText();
    if (auto *list = qobject_cast<QListWidget *>(widget)) {
        const QList<QListWidgetItem *> selected = list->selectedItems();
        return selected.isEmpty() ? QString() : selected.constFirst()->text();
    }
    return QString();
}

bool ElementDialog::isChecked(const char *name) const
{
    auto *button = control<QAbstractButton>(name);
    return button && button->isChecked();
}

void ElementDialog::browseIntoField(QLineEdit *field)
{
    FileDialogRequest request;
    request.kind = FileDialogKind::Open;
    request.filter = text(m_fileDialog.filter);
    request.selectedEntry = m_fileDialog.firstEntry;
    request.fileName = m_fileName;
    if (const std::optional<QString> chosen = m_mainWindow.platform().chooseFile(request))
        m_fileName = *chosen;
    if (field)
        field->setText(m_fileName);
}

void ElementDialog::browseIntoField(QLineEdit *field, MainFileDialog &fileDialog)
{
    fileDialog.showOpenFile();
    if (field)
        field->setText(fileDialog.fileName());
}

void ElementDialog::fitOuterSize()
{
    // The design's size includes the frame; the frame is known only once the window is shown,
    // and platforms without one leave the whole size to the controls.
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    setFixedSize(m_outerSize.shrunkBy(frame));
}

void ElementDialog::insertPieces(const QStringList &pieces)
{
    SourceEditor &editor = m_mainWindow.editor();
    for (const QString &piece : pieces)
        editor.insertAtSelection(piece);
}

void ElementDialog::pressOk(const QString &button)
{
    if (m_finished || !m_onOk)
        return;
    const ElementResult result = m_onOk(*this, button);
    insertPieces(result.pieces);
    if (!result.staysOpen) {
        m_finished = true;
        closeElementDialog(*this);
    }
}

ElementDialog *openElementDialog(MainWindow &mainWindow, const DialogDesign &design, OkHandler onOk,
                                 const DialogSetUp &setUp)
{
    if (ElementDialog *open = openInstance(mainWindow, design)) {
        bringToFront(*open);
        return open;
    }
    auto *dialog = new ElementDialog(design, mainWindow, std::move(onOk));
    if (setUp)
        setUp(*dialog);
    // Modal to the whole program, yet this returns at once: the dialog's buttons do the work.
    showCentred(*dialog, design);
    return dialog;
}

void closeElementDialog(ElementDialog &dialog)
{
    // Closing from inside a handler is safe: the instance is deleted once control returns.
    dialog.close();
}

ElementDialog *openAddWindow(ElementDialog &dialog, const DialogDesign &design,
                             std::function<void(ElementDialog &addWindow)> onAdd)
{
    if (ElementDialog *open = openInstance(dialog, design)) {
        bringToFront(*open);
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
    showCentred(*window, design);
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
