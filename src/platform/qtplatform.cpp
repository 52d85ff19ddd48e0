#include "platform/qtplatform.h"

#include "commands/fontdialog.h"
#include "document/filefilter.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QUrl>

Answer QtPlatform::askYesNoCancel(const QString &caption, const QString &text)
{
    // No owner window: the question is modal to the whole program.
    QMessageBox box(QMessageBox::Question, caption, text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Yes);
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

void QtPlatform::reportError(const QString &caption, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

std::optional<QString> QtPlatform::chooseFile(const FileDialogRequest &request)
{
    QFileDialog dialog(QApplication::activeWindow());
    const bool saving = request.kind == FileDialogKind::Save;
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    const QStringList filters = fileDialogNameFilters(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.value(request.selectedEntry, filters.first()));
    }
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<FontChoice> QtPlatform::chooseFont(const FontChoice &initial)
{
    FontDialog dialog(initial, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

QString QtPlatform::clipboardText() const
{
    return QGuiApplication::clipboard()->text();
}

bool QtPlatform::clipboardHasText() const
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

void QtPlatform::setClipboardText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
}

bool QtPlatform::openWithDesktop(const QString &path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
