#include "app/mainwindow.h"
#include "dialogs/elementdialog.h"
#include "dialogtesting.h"
#include "editor/sourceeditor.h"
#include "fakeplatform.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

#include <memory>

class TestFormDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void layout();
    void formUntouched();
    void formPickedAndTypedFields();
    void inputPage_data();
    void inputPage();
    void textAreaUntouchedStaysOpen();
    void textAreaThreeLinesDeleteOne();
    void addTextRepeatsAndKeepsItsField();
    void addAgainRaisesTheOpenWindow();
    void deleteWithNothingSelected();
    void hundredsOfLines();
    void inputReachesBothWindowsOnly();
    void addWindowClosesWithItsDialog();
    void addWindowPressedAfterItsDialogClosed();

private:
    SourceEditor &editor() { return m_mainWindow->editor(); }
    ElementDialog *openDialog(const char *command, const char *name)
    {
        return openDialogByCommand(*m_mainWindow, command, name);
    }
    ElementDialog *openAddText(ElementDialog &dialog);
    static void click(QWidget *widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    void addLine(ElementDialog &addWindow, const QString &line);
    static void typeInto(QWindow *window, const QByteArray &keys);

    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<MainWindow> m_mainWindow;
};

void TestFormDialogs::init()
{
    m_platform = std::make_unique<FakePlatform>();
    m_mainWindow = showMainWindow(*m_platform);
    QVERIFY(m_mainWindow);
    editor().replaceAllText(QString());
}

void TestFormDialogs::cleanup()
{
    m_mainWindow.reset();
    finishClosing();
    m_platform.reset();
}

ElementDialog *TestFormDialogs::openAddText(ElementDialog &dialog)
{
    dialog.control<QTabWidget>("textFieldTabs")->setCurrentIndex(1);
    return openAddWindowByButton(dialog, "textAreaAdd", "addTextDialog");
}

void TestFormDialogs::addLine(ElementDialog &addWindow, const QString &line)
{
    auto *field = addWindow.control<QLineEdit>("addTextLine");
    field->clear();
    QTest::keyClicks(field, line);
    clickOn(addWindow, "addTextOk");
}

// Through the window system, so that the modal restriction applies as it does to the user.
void TestFormDialogs::typeInto(QWindow *window, const QByteArray &keys)
{
    for (char key : keys)
        QTest::keyClick(window, key);
}

void TestFormDialogs::layout()
{
    ElementDialog *dialog = openDialog("dialog.textField", "textFieldDialog");
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), u"文本框"_qs);
    auto *tabs = dialog->control<QTabWidget>("textFieldTabs");
    QCOMPARE(tabs->tabText(0), u"         单行文本框      "_qs);
    QCOMPARE(tabs->tabText(1), u"         多行文本框      "_qs);
    QCOMPARE(tabs->currentIndex(), 0);
    // Page controls are placed from the tab control's corner.
    QWidget *frame = dialog->control<QWidget>("inputFrame");
    QCOMPARE(frame->mapTo(tabs, QPoint()), QPoint(1, 22));
    QCOMPARE(dialog->control<QPushButton>("textAreaOk")->mapTo(tabs, QPoint()), QPoint(196, 207));
    QCOMPARE(dialog->control<QLineEdit>("inputName")->text(), u"text1"_qs);
    QCOMPARE(dialog->control<QLineEdit>("textAreaName")->text(), u"S1"_qs);
    QCOMPARE(dialog->control<QLineEdit>("textAreaWidth")->accessibleName(), u"宽度："_qs);
    QCOMPARE(dialog->control<QLabel>("textAreaHeightLabel")->buddy(),
             dialog->control<QWidget>("textAreaHeight"));
    QVERIFY(!dialog->isChecked("inputPassword"));
    QVERIFY(!dialog->isChecked("inputPlain"));

    ElementDialog *addWindow = openAddText(*dialog);
    QVERIFY(addWindow);
    QCOMPARE(addWindow->windowTitle(), u"添加文本"_qs);
    QCOMPARE(addWindow->control<QLineEdit>("addTextLine")->accessibleName(), u"加入的文本："_qs);
}

void TestFormDialogs::formUntouched()
{
    ElementDialog *dialog = openDialog("dialog.form", "formDialog");
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), u"表域"_qs);
    QPointer<ElementDialog> watch(dialog);
    clickOn(*dialog, "formOk");
    QCOMPARE(editor().getAllText(), u"<Form method=\"\" action=\"\">\r\n\r\n</Form>"_qs);
    QCOMPARE(editor().textCursor().position(), editor().toPlainText().size());
    finishClosing();
    QVERIFY(watch.isNull());
}

void TestFormDialogs::formPickedAndTypedFields()
{
    setTextWithCaret(editor(), u"[]"_qs, 1);

    ElementDialog *dialog = openDialog("dialog.form", "formDialog");
    QVERIFY(dialog);
    auto *method = dialog->control<QComboBox>("formMethod");
    QCOMPARE(method->currentText(), QString());
    method->setCurrentIndex(1);
    QTest::keyClicks(dialog->control<QLineEdit>("formAction"), u"do.asp"_qs);
    clickOn(*dialog, "formOk");
    QCOMPARE(editor().getAllText(), u"[<Form method=\"GET\" action=\"do.asp\">\r\n\r\n</Form>]"_qs);

    dialog = openDialog("dialog.form", "formDialog");
    QVERIFY(dialog);
    QCOMPARE(dialog->value("formAction"), QString());
    editor().replaceAllText(QString());
    QTest::keyClicks(dialog->control<QComboBox>("formMethod")->lineEdit(), u"post"_qs);
    clickOn(*dialog, "formOk");
    QCOMPARE(editor().getAllText(), u"<Form method=\"post\" action=\"\">\r\n\r\n</Form>"_qs);
}

void TestFormDialogs::inputPage_data()
{
    QTest::addColumn<QByteArray>("radio");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("neither chosen") << QByteArray() << u"abc"_qs << QString();
    QTest::newRow("plain") << QByteArray("inputPlain") << QString()
                           << u"<input name=\"text1\" size=\"20\" value=\"\">"_qs;
    QTest::newRow("password") << QByteArray("inputPassword") << u"x\"y"_qs
                              << u"<input name=\"text1\" size=\"20\" value=\"x\"y\" type=\"password\">"_qs;
}

void TestFormDialogs::inputPage()
{
    QFETCH(QByteArray, radio);
    QFETCH(QString, value);
    QFETCH(QString, text);
    ElementDialog *dialog = openDialog("dialog.textField", "textFieldDialog");
    QVERIFY(dialog);
    QPointer<ElementDialog> watch(dialog);
    // The other page's fields play no part.
    dialog->control<QLineEdit>("textAreaName")->setText(u"other"_qs);
    QTest::keyClicks(dialog->control<QLineEdit>("inputValue"), value);
    if (!radio.isEmpty())
        click(dialog->control<QRadioButton>(radio.constData()));
    clickOn(*dialog, "inputOk");
    QCOMPARE(editor().getAllText(), text);
    QVERIFY(watch.isNull() || !watch->isVisible());
}

void TestFormDialogs::textAreaUntouchedStaysOpen()
{
    ElementDialog *dialog = openDialog("dialog.textField", "textFieldDialog");
    QVERIFY(dialog);
    QTest::keyClicks(dialog->control<QLineEdit>("inputName"), u"zz"_qs);
    click(dialog->control<QRadioButton>("inputPlain"));
    dialog->control<QTabWidget>("textFieldTabs")->setCurrentIndex(1);
    clickOn(*dialog, "textAreaOk");
    const QString area = u"<textarea rows=\"10\" name=\"S1\" cols=\"40\">\r\n</textarea>"_qs;
    QCOMPARE(editor().getAllText(), area);
    finishClosing();
    QVERIFY(dialog->isVisible());
    clickOn(*dialog, "textAreaOk");
    QCOMPARE(editor().getAllText(), area + area);
    clickOn(*dialog, "textAreaCancel");
    finishClosing();
    QVERIFY(!m_mainWindow->findChild<ElementDialog *>());
}

void TestFormDialogs::textAreaThreeLinesDeleteOne()
{
    ElementDialog *dialog = openDialog("dialog.textField", "textFieldDialog");
    QVERIFY(dialog);
    ElementDialog *addWindow = openAddText(*dialog);
    QVERIFY(addWindow);
    addLine(*addWindow, u"one"_qs);
    addLine(*addWindow, QString());
    addLine(*addWindow, u"three"_qs);
    auto *lines = dialog->control<QListWidget>("textAreaLines");
    QCOMPARE(lines->count(), 3);

    click(lines->viewport());   // outside the items: no effect on the selection
    clickRow(*lines, 0);
    QCOMPARE(dialog->value("textAreaLines"), u"one"_qs);
    clickOn(*dialog, "textAreaDelete");
    QVERIFY(lines->selectedItems().isEmpty());
    clickOn(*dialog, "textAreaDelete");   // nothing selected any more
    QCOMPARE(lines->count(), 2);

    QTest::keyClicks(dialog->control<QLineEdit>("textAreaHeight"), u"5"_qs);
    clickOn(*dialog, "textAreaOk");
    QCOMPARE(editor().getAllText(),
             u"<textarea rows=\"105\" name=\"S1\" cols=\"40\">\r\n\r\nthree\r\n</textarea>"_qs);
}

void TestFormDialogs::addTextRepeatsAndKeepsItsField()
{
    ElementDialog *dialog = openDialog("dialog.textField", "textFieldDialog");
    QVERIFY(dialog);
    ElementDialog *addWindow = openAddText(*dialog);
    QVERIFY(addWindow);
    QTest::keyClicks(addWindow->control<QLineEdit>("addTextLine"), u"same"_qs);
    auto *lines = dialog->control<QListWidget>("textAreaLines");
    for (int row = 0; row < 3; ++row) {
        clickOn(*addWindow, "addTextOk");
        QCOMPARE(lines->count(), row + 1);
        QCOMPARE(lines->selectedItems(), QList<QListWidgetItem *>{lines->item(row)});
    }
    QCOMPARE(addWindow->value("addTextLine"), u"same"_qs);
    QCOMPARE(lines->item(0)->text(), u"same"_qs);
    QCOMPARE(lines->item(2)->text(), u"same"_qs);
    clickOn(*addWindow, "addTextCancel");
    QVERIFY(dialog->isVisible());
    QVERIFY(!addWindow->isVisible());
}

void TestFormDialogs::addAgainRaisesTheOpenWindow()
{
    ElementDialog *dialog = openDialog("dialog.textField", "textFieldDialog");
    QVERIFY(dialog);
    ElementDialog *addWindow = openAddText(*dialog);
    QVERIFY(addWindow);
    QTest::keyClicks(addWindow->control<QLineEdit>("addTextLine"), u"kept"_qs);
    addWindow->showMinimized();
    for (int press = 0; press < 3; ++press)
        clickOn(*dialog, "textAreaAdd");
    const auto windows = dialog->findChildren<ElementDialog *>(u"addTextDialog"_qs);
    QCOMPARE(windows.size(), 1);
    QVERIFY(!addWindow->isMinimized());
    QCOMPARE(addWindow->value("addTextLine"), u"kept"_qs);

    // Once closed, "添加" opens a fresh one.
    clickOn(*addWindow, "addTextCancel");
    finishClosing();
    ElementDialog *fresh = openAddText(*dialog);
    QVERIFY(fresh);
    QCOMPARE(fresh->value("addTextLine"), QString());
    QCOMPARE(dialog->findChildren<ElementDialog *>(u"addTextDialog"_qs).size(), 1);
}

void TestFormDialogs::deleteWithNothingSelected()
{
    ElementDialog *dialog = openDialog("dialog.textField", "textFieldDialog");
    QVERIFY(dialog);
    dialog->control<QTabWidget>("textFieldTabs")->setCurrentIndex(1);
    clickOn(*dialog, "textAreaDelete");
    ElementDialog *addWindow = openAddText(*dialog);
    QVERIFY(addWindow);
    addLine(*addWindow, u"a"_qs);
    addLine(*addWindow, u"b"_qs);
    auto *lines = dialog->control<QListWidget>("textAreaLines");
    lines->clearSelection();
    clickOn(*dialog, "textAreaDelete");
    QCOMPARE(lines->count(), 2);
    clickOn(*dialog, "textAreaOk");
    QCOMPARE(editor().getAllText(),
             u"<textarea rows=\"10\" name=\"S1\" cols=\"40\">\r\na\r\nb\r\n</textarea>"_qs);
}

void TestFormDialogs::hundredsOfLines()
{
    ElementDialog *dialog = openDialog("dialog.textField", "textFieldDialog");
    QVERIFY(dialog);
    ElementDialog *addWindow = openAddText(*dialog);
    QVERIFY(addWindow);
    QTest::keyClicks(addWindow->control<QLineEdit>("addTextLine"), u"x"_qs);
    for (int press = 0; press < 400; ++press)
        clickOn(*addWindow, "addTextOk");
    auto *lines = dialog->control<QListWidget>("textAreaLines");
    QCOMPARE(lines->count(), 400);
    QCOMPARE(lines->currentRow(), 399);
    clickOn(*dialog, "textAreaOk");
    QCOMPARE(editor().getAllText(), u"<textarea rows=\"10\" name=\"S1\" cols=\"40\">\r\n"_qs
                                        + u"x\r\n"_qs.repeated(400) + u"</textarea>"_qs);
}

void TestFormDialogs::inputReachesBothWindowsOnly()
{
    editor().replaceAllText(u"abc"_qs);
    editor().moveCursor(QTextCursor::End);
    editor().setFocus();
    QWindow *mainWindowHandle = m_mainWindow->windowHandle();

    ElementDialog *dialog = openDialog("dialog.textField", "textFieldDialog");
    QVERIFY(dialog);
    ElementDialog *addWindow = openAddText(*dialog);
    QVERIFY(addWindow);

    // The add window takes keys and clicks.
    typeInto(addWindow->windowHandle(), "ab");
    QCOMPARE(addWindow->value("addTextLine"), u"ab"_qs);
    clickThroughWindow(addWindow->control<QPushButton>("addTextOk"));
    clickThroughWindow(addWindow->control<QPushButton>("addTextOk"));
    // So does the dialog, while the add window is still open.
    auto *lines = dialog->control<QListWidget>("textAreaLines");
    QCOMPARE(lines->count(), 2);
    clickThroughWindow(lines->viewport(), lines->visualItemRect(lines->item(0)).center());
    QCOMPARE(lines->currentRow(), 0);
    clickThroughWindow(dialog->control<QPushButton>("textAreaDelete"));
    QCOMPARE(lines->count(), 1);
    auto *width = dialog->control<QLineEdit>("textAreaWidth");
    width->setFocus();
    width->selectAll();
    typeInto(dialog->windowHandle(), "7");
    QCOMPARE(width->text(), u"7"_qs);
    QVERIFY(addWindow->isVisible());
    // The main window takes neither.
    typeInto(mainWindowHandle, "q");
    clickThroughWindow(editor().viewport(), QPoint(2, 2));
    QCOMPARE(editor().getAllText(), u"abc"_qs);
    QCOMPARE(editor().textCursor().position(), 3);

    clickThroughWindow(dialog->control<QPushButton>("textAreaOk"));
    QCOMPARE(editor().getAllText(),
             u"abc<textarea rows=\"10\" name=\"S1\" cols=\"7\">\r\nab\r\n</textarea>"_qs);
    clickThroughWindow(dialog->control<QPushButton>("textAreaCancel"));
    finishClosing();
    QVERIFY(!m_mainWindow->findChild<ElementDialog *>());
    // With the dialogs gone the main window takes input again.
    typeInto(mainWindowHandle, "q");
    QVERIFY(editor().getAllText().endsWith(u"</textarea>q"_qs));
    clickThroughWindow(editor().viewport(), QPoint(2, 2));
    QCOMPARE(editor().textCursor().position(), 0);
}

void TestFormDialogs::addWindowClosesWithItsDialog()
{
    ElementDialog *dialog = openDialog("dialog.textField", "textFieldDialog");
    QVERIFY(dialog);
    QPointer<ElementDialog> addWindow = openAddText(*dialog);
    QVERIFY(addWindow);
    addWindow->activateWindow();
    addWindow->control<QLineEdit>("addTextLine")->setFocus();
    clickOn(*dialog, "textAreaCancel");
    QVERIFY(!addWindow->isVisible());
    finishClosing();
    QVERIFY(addWindow.isNull());
    QCOMPARE(editor().getAllText(), QString());

    // The next opening starts with an empty list and no add window.
    dialog = openDialog("dialog.textField", "textFieldDialog");
    QVERIFY(dialog);
    QCOMPARE(dialog->control<QListWidget>("textAreaLines")->count(), 0);
    QVERIFY(!dialog->findChild<ElementDialog *>(u"addTextDialog"_qs));
    dialog->close();   // the close box
    finishClosing();
    QVERIFY(!m_mainWindow->findChild<ElementDialog *>());
}

void TestFormDialogs::addWindowPressedAfterItsDialogClosed()
{
    ElementDialog *dialog = openDialog("dialog.textField", "textFieldDialog");
    QVERIFY(dialog);
    ElementDialog *addWindow = openAddText(*dialog);
    QVERIFY(addWindow);
    QPointer<QPushButton> addOk = addWindow->control<QPushButton>("addTextOk");
    QPointer<QListWidget> lines = dialog->control<QListWidget>("textAreaLines");
    dialog->close();
    // The press arrives before the closed dialog is gone.
    addOk->click();
    QCOMPARE(lines->count(), 0);
    finishClosing();
    QVERIFY(addOk.isNull());
    QCOMPARE(editor().getAllText(), QString());
}

QTEST_MAIN(TestFormDialogs)
#include "tst_formdialogs.moc"
