#include "dialogtesting.h"

#include "app/mainwindow.h"
#include "dialogs/elementdialog.h"
#include "editor/sourceeditor.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QWindow>

std::unique_ptr<MainWindow> showMainWindow(Platform &platform)
{
    auto window = std::make_unique<MainWindow>(platform);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        return nullptr;
    return window;
}

void setTextWithCaret(SourceEditor &editor, const QString &text, int caret)
{
    editor.replaceAllText(text);
    QTextCursor cursor = editor.textCursor();
    cursor.setPosition(caret);
    editor.setTextCursor(cursor);
}

void finishClosing()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

ElementDialog *openDialogByCommand(MainWindow &mainWindow, QAnyStringView command,
                                   QAnyStringView name)
{
    finishClosing();
    mainWindow.commands().run(command.toString());
    auto *dialog = mainWindow.findChild<ElementDialog *>(name.toString());
    if (dialog && !QTest::qWaitForWindowExposed(dialog))
        return nullptr;
    return dialog;
}

ElementDialog *openAddWindowByButton(ElementDialog &dialog, const char *button, const char *name)
{
    clickOn(dialog, button);
    auto *addWindow = dialog.findChild<ElementDialog *>(QLatin1StringView(name));
    if (addWindow && !QTest::qWaitForWindowExposed(addWindow))
        return nullptr;
    return addWindow;
}

void clickOn(ElementDialog &dialog, const char *button)
{
    QTest::mouseClick(dialog.control<QPushButton>(button), Qt::LeftButton);
}

void clickThroughWindow(QWidget *widget, QPoint position)
{
    if (position.isNull())
        position = widget->rect().center();
    QTest::mouseClick(widget->window()->windowHandle(), Qt::LeftButton, {},
                      widget->mapTo(widget->window(), position));
}

void clickRow(QListWidget &list, int row)
{
    QListWidgetItem *item = list.item(row);
    list.scrollToItem(item);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(item).center());
}
