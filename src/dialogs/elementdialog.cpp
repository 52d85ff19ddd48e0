#include "dialogs/elementdialog.h"

#include "app/mainwindow.h"
#include "document/mainfiledialog.h"
#include "editor/sourceeditor.h"
#include "platform/platform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QWindow>

namespace {

QString text(const char16_t *literal)
{
    return QString::fromUtf16(literal);
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
            widget = new QTabWidget(parent);
            break;
        case ControlKind::TabPage: {
            auto *tabs = qobject_cast<QTabWidget *>(parent);
            Q_ASSERT_X(tabs, c.name, "a tab page's parent must be a tab control");
            auto *page = new QWidget;
            page->setObjectName(QLatin1StringView(c.name));
            tabs->addTab(page, caption);
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
        widget->setGeometry(c.geometry);
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

ElementDialog *openElementDialog(MainWindow &mainWindow, const DialogDesign &design, OkHandler onOk)
{
    const auto instances = mainWindow.findChildren<ElementDialog *>(QLatin1StringView(design.name),
                                                                    Qt::FindDirectChildrenOnly);
    for (ElementDialog *open : instances) {
        // A closed instance may still wait for its deletion; it does not count.
        if (open->isVisible()) {
            open->showNormal();
            open->raise();
            open->activateWindow();
            return open;
        }
    }
    auto *dialog = new ElementDialog(design, mainWindow, std::move(onOk));
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QSize screenSize = screen->size();
        dialog->move((screenSize.width() - design.size.width()) / 2,
                     (screenSize.height() - design.size.height()) / 2);
    }
    // Modal to the whole program, yet this returns at once: the dialog's buttons do the work.
    dialog->show();
    dialog->fitOuterSize();
    return dialog;
}

void closeElementDialog(ElementDialog &dialog)
{
    // Closing from inside a handler is safe: the instance is deleted once control returns.
    dialog.close();
}
