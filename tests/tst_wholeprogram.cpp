#include "app/mainwindow.h"
#include "app/menutree.h"
#include "dialogs/elementdialog.h"
#include "document/documentcommands.h"
#include "editor/sourceeditor.h"
#include "dialogtesting.h"
#include "fakeplatform.h"
#include "snippets/markuptoolbar.h"
#include "snippets/referencepanel.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

// The program as a whole: every control reachable, every command defined, dialogs closed in any
// order, and large or hostile files, all through the real main window.
class TestWholeProgram : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void everyMenuItemAndToolbarButtonRunsADefinedCommand();
    void everyControlHasAnAccessibleName_data();
    void everyControlHasAnAccessibleName();
    void dialogsClosedInAnyOrder_data();
    void dialogsClosedInAnyOrder();
    void mainWindowClosedUnderItsDialogs();
    void rightClickWhileADialogIsOpenShowsNoMenu();
    void largeAndRandomFilesSurviveOpenAndSave_data();
    void largeAndRandomFilesSurviveOpenAndSave();

private:
    static QStringList dialogCommands();
    static QList<ElementDialog *> openDialogs(const MainWindow &window);
    static void closeAllDialogs(MainWindow &window);
};

void TestWholeProgram::init()
{
    QTest::failOnWarning(QRegularExpression(u"No command is defined"_qs));
}

QStringList TestWholeProgram::dialogCommands()
{
    return {u"dialog.hyperlink"_qs, u"dialog.email"_qs, u"dialog.anchor"_qs, u"dialog.image"_qs,
            u"dialog.flash"_qs, u"dialog.media"_qs, u"dialog.backgroundMusic"_qs,
            u"dialog.script"_qs, u"dialog.date"_qs, u"dialog.stylesheetLink"_qs,
            u"dialog.caption"_qs, u"dialog.form"_qs, u"dialog.textField"_qs, u"dialog.label"_qs,
            u"dialog.button"_qs, u"dialog.dropDown"_qs, u"dialog.background"_qs,
            u"dialog.about"_qs};
}

QList<ElementDialog *> TestWholeProgram::openDialogs(const MainWindow &window)
{
    QList<ElementDialog *> open;
    for (ElementDialog *dialog : window.findChildren<ElementDialog *>(Qt::FindDirectChildrenOnly)) {
        if (dialog->isVisible())
            open << dialog;
    }
    return open;
}

void TestWholeProgram::closeAllDialogs(MainWindow &window)
{
    for (ElementDialog *dialog : openDialogs(window))
        dialog->close();
    finishClosing();
}

void TestWholeProgram::everyMenuItemAndToolbarButtonRunsADefinedCommand()
{
    FakePlatform platform;
    MainWindow window(platform);
    window.show();
    QList<QAction *> items;
    const auto collect = [&items](auto &&self, const QList<QAction *> &actions) -> void {
        for (QAction *action : actions) {
            if (action->menu())
                self(self, action->menu()->actions());
            else if (!action->isSeparator())
                items << action;
        }
    };
    collect(collect, window.menuBar()->actions());
    collect(collect, findContextMenu(window)->actions());
    QVERIFY(items.size() > 60);

    for (QAction *item : std::as_const(items)) {
        if (item->objectName() == u"fileMenu.exit")
            continue; // closing is covered where the save question is
        platform.answers = {Answer::Cancel};
        item->trigger();
        closeAllDialogs(window);
    }

    const QList<QAbstractButton *> buttons = window.markupToolbar().findChildren<QAbstractButton *>();
    QVERIFY(buttons.size() > 40);
    for (QAbstractButton *button : buttons) {
        if (!button->objectName().isEmpty())
            button->click();
        closeAllDialogs(window);
    }
}

void TestWholeProgram::everyControlHasAnAccessibleName_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("main window") << QString();
    for (const QString &command : dialogCommands())
        QTest::newRow(qPrintable(command)) << command;
}

// A screen reader, and a test tool working through accessibility, finds every control by what it
// shows: a button by its caption or tooltip, a field or list by its label.
void TestWholeProgram::everyControlHasAnAccessibleName()
{
    QFETCH(QString, command);
    FakePlatform platform;
    const auto window = showMainWindow(platform);
    QVERIFY(window);
    QWidget *top = window.get();
    if (!command.isEmpty()) {
        window->commands().run(command);
        const QList<ElementDialog *> open = openDialogs(*window);
        QCOMPARE(open.size(), 1);
        top = open.first();
    }
    QStringList unnamed;
    const QList<QWidget *> widgets = top->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        const bool control = qobject_cast<QAbstractButton *>(widget) || qobject_cast<QLineEdit *>(widget)
            || qobject_cast<QComboBox *>(widget) || qobject_cast<QListWidget *>(widget)
            || qobject_cast<QPlainTextEdit *>(widget);
        if (!control || widget->objectName().isEmpty() || widget->objectName().startsWith(u"qt_"))
            continue;
        if (qobject_cast<QLineEdit *>(widget) && qobject_cast<QComboBox *>(widget->parentWidget()))
            continue; // the edit part of a combo box speaks through the combo box
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
        if (!accessible || accessible->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << widget->objectName();
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u", ")));
    closeAllDialogs(*window);
}

void TestWholeProgram::dialogsClosedInAnyOrder_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("firstClosesFirst");
    QTest::newRow("text field, then drop-down; first closes first")
        << u"dialog.textField"_qs << u"dialog.dropDown"_qs << true;
    QTest::newRow("text field, then drop-down; second closes first")
        << u"dialog.textField"_qs << u"dialog.dropDown"_qs << false;
    QTest::newRow("image, then background") << u"dialog.image"_qs << u"dialog.background"_qs << false;
    QTest::newRow("about, then hyperlink") << u"dialog.about"_qs << u"dialog.hyperlink"_qs << true;
}

// Two dialogs at once cannot happen by the user's hand, yet nothing may break if they do, nor when
// a dialog goes while its add window is open.
void TestWholeProgram::dialogsClosedInAnyOrder()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, firstClosesFirst);
    FakePlatform platform;
    const auto window = showMainWindow(platform);
    QVERIFY(window);
    const QString before = window->editor().getAllText();
    window->commands().run(first);
    ElementDialog *firstDialog = openDialogs(*window).value(0);
    QVERIFY(firstDialog);
    for (const char *add : {"textAreaAdd", "dropDownAdd"}) {
        if (auto *button = firstDialog->control<QPushButton>(add))
            button->click();
    }
    window->commands().run(second);
    QCOMPARE(openDialogs(*window).size(), 2);
    ElementDialog *secondDialog = openDialogs(*window).value(1);
    if (firstClosesFirst) {
        firstDialog->close();
        finishClosing();
        secondDialog->close();
    } else {
        secondDialog->close();
        finishClosing();
        firstDialog->close();
    }
    finishClosing();
    QVERIFY(openDialogs(*window).isEmpty());
    QVERIFY(window->findChildren<ElementDialog *>().isEmpty());
    QCOMPARE(window->editor().getAllText(), before);
    QTest::keyClicks(&window->editor(), u"x"_qs);
    QVERIFY(window->editor().getAllText().contains(u'x'));
}

void TestWholeProgram::mainWindowClosedUnderItsDialogs()
{
    FakePlatform platform;
    auto window = showMainWindow(platform);
    QVERIFY(window);
    ElementDialog *dialog = openDialogByCommand(*window, u"dialog.dropDown", "dropDownDialog");
    QVERIFY(dialog);
    QVERIFY(openAddWindowByButton(*dialog, "dropDownAdd", "addOptionDialog"));
    platform.answers = {Answer::No};
    QVERIFY(window->close());
    window.reset(); // the dialog and its add window go with the window
}

void TestWholeProgram::rightClickWhileADialogIsOpenShowsNoMenu()
{
    FakePlatform platform;
    const auto window = showMainWindow(platform);
    QVERIFY(window);
    QVERIFY(openDialogByCommand(*window, u"dialog.hyperlink", "hyperlinkDialog"));
    QWidget *viewport = window->editor().viewport();
    QTest::mouseClick(window->windowHandle(), Qt::RightButton, {},
                      viewport->mapTo(window.get(), viewport->rect().center()));
    QVERIFY(!QApplication::activePopupWidget());
    closeAllDialogs(*window);
}

void TestWholeProgram::largeAndRandomFilesSurviveOpenAndSave_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QByteArray large;
    large.reserve(50 * 1024 * 1024 + 100);
    const QByteArray line("<td>\xD6\xD0\xCE\xC4\xCD\xF8\xD2\xB3 cell text of a large table</td>\r\n");
    while (large.size() < 50 * 1024 * 1024)
        large += line;
    QTest::newRow("50 MB page") << large;
    QByteArray random(1024 * 1024, Qt::Uninitialized);
    QRandomGenerator generator(11);
    for (char &b : random)
        b = char(generator.bounded(256));
    random.replace('\r', '#').replace('\n', '#');
    QTest::newRow("1 MB of random bytes") << random;
}

void TestWholeProgram::largeAndRandomFilesSurviveOpenAndSave()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir folder;
    const QString in = folder.filePath(u"in.html"_qs);
    const QString out = folder.filePath(u"out.html"_qs);
    {
        QFile file(in);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }
    FakePlatform platform;
    MainWindow window(platform);
    platform.answers = {Answer::No};
    platform.files = {in, out};
    window.commands().run(u"open"_qs);
    window.commands().run(u"save"_qs);
    QVERIFY(platform.errors.isEmpty());
    QFile saved(out);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(saved.readAll() == bytes);
}

QTEST_MAIN(TestWholeProgram)
#include "tst_wholeprogram.moc"
