#include "app/mainwindow.h"
#include "dialogs/elementdialog.h"
#include "dialogtesting.h"
#include "editor/sourceeditor.h"
#include "fakeplatform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include <memory>

class TestChoiceDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void label_data();
    void label();
    void button_data();
    void button();
    void dropDownUntouchedCloses();
    void multipleStaysOpenAndInsertsTwice();
    void twoOptionsThroughTheAddWindow();
    void emptyAddAppendsEmptyEntries();
    void outOfStepDeletion();
    void deleteWithNothingSelected();
    void hundredsOfOptions();
    void inputReachesBothWindowsOnly();
    void addWindowClosesWithItsDialog();
    void addWindowPressedAfterItsDialogClosed();

private:
    SourceEditor &editor() { return m_mainWindow->editor(); }
    ElementDialog *openDialog(const char *command, const char *name)
    {
        return openDialogByCommand(*m_mainWindow, command, name);
    }
    static ElementDialog *openAddOption(ElementDialog &dialog)
    {
        return openAddWindowByButton(dialog, "dropDownAdd", "addOptionDialog");
    }
    static void addOption(ElementDialog &addWindow, const QString &option, const QString &value);

    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<MainWindow> m_mainWindow;
};

void TestChoiceDialogs::init()
{
    m_platform = std::make_unique<FakePlatform>();
    m_mainWindow = showMainWindow(*m_platform);
    QVERIFY(m_mainWindow);
    editor().replaceAllText(QString());
}

void TestChoiceDialogs::cleanup()
{
    m_mainWindow.reset();
    finishClosing();
    m_platform.reset();
}

void TestChoiceDialogs::addOption(ElementDialog &addWindow, const QString &option,
                                  const QString &value)
{
    QTest::keyClicks(addWindow.control<QLineEdit>("addOptionText"), option);
    QTest::keyClicks(addWindow.control<QLineEdit>("addOptionValue"), value);
    clickOn(addWindow, "addOptionAdd");
}

void TestChoiceDialogs::label_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::newRow("untouched") << QString() << u"<label></label>"_qs;
    QTest::newRow("typed") << u"a<b>"_qs << u"<label>a<b></label>"_qs;
}

void TestChoiceDialogs::label()
{
    QFETCH(QString, typed);
    QFETCH(QString, text);
    ElementDialog *dialog = openDialog("dialog.label", "labelDialog");
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), u"标签"_qs);
    QCOMPARE(dialog->control<QLineEdit>("labelText")->accessibleName(), u"标签："_qs);
    QTest::keyClicks(dialog->control<QLineEdit>("labelText"), typed);
    clickOn(*dialog, "labelOk");
    QCOMPARE(editor().getAllText(), text);
    QVERIFY(!dialog->isVisible());
}

void TestChoiceDialogs::button_data()
{
    QTest::addColumn<int>("pickedType");    // -1: leave the type box as it opens
    QTest::addColumn<QString>("typedType");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("untouched") << -1 << QString() << QString()
                               << u"<input type=\"button\" name=\"\" value=\"\">"_qs;
    QTest::newRow("reset picked") << 2 << QString() << u"r"_qs
                                  << u"<input type=\"reset\" name=\"r\" value=\"\">"_qs;
    QTest::newRow("blank item picked") << 3 << QString() << u"b"_qs
                                       << u"<input type=\"\" name=\"b\" value=\"\">"_qs;
    QTest::newRow("typed, close to an item") << 3 << u"Sub"_qs << u"b"_qs
                                             << u"<input type=\"Sub\" name=\"b\" value=\"\">"_qs;
}

void TestChoiceDialogs::button()
{
    QFETCH(int, pickedType);
    QFETCH(QString, typedType);
    QFETCH(QString, name);
    QFETCH(QString, text);
    ElementDialog *dialog = openDialog("dialog.button", "buttonDialog");
    QVERIFY(dialog);
    auto *type = dialog->control<QComboBox>("buttonType");
    QCOMPARE(type->count(), 4);
    QCOMPARE(type->currentText(), u"button"_qs);
    if (pickedType >= 0)
        type->setCurrentIndex(pickedType);
    QTest::keyClicks(type->lineEdit(), typedType);
    QTest::keyClicks(dialog->control<QLineEdit>("buttonName"), name);
    clickOn(*dialog, "buttonOk");
    QCOMPARE(editor().getAllText(), text);
    QVERIFY(!dialog->isVisible());
}

void TestChoiceDialogs::dropDownUntouchedCloses()
{
    ElementDialog *dialog = openDialog("dialog.dropDown", "dropDownDialog");
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), u"下拉框"_qs);
    QCOMPARE(dialog->control<QListWidget>("dropDownValues")->accessibleName(), u"指定值："_qs);
    clickOn(*dialog, "dropDownOk");
    QCOMPARE(editor().getAllText(), u"<select size=\"1\" name=\"Combo1\">\r\n</select>"_qs);
    QVERIFY(!dialog->isVisible());
}

void TestChoiceDialogs::multipleStaysOpenAndInsertsTwice()
{
    ElementDialog *dialog = openDialog("dialog.dropDown", "dropDownDialog");
    QVERIFY(dialog);
    QTest::mouseClick(dialog->control<QCheckBox>("dropDownMultiple"), Qt::LeftButton);
    ElementDialog *addWindow = openAddOption(*dialog);
    QVERIFY(addWindow);
    addOption(*addWindow, u"A"_qs, u"1"_qs);
    clickOn(*dialog, "dropDownOk");
    finishClosing();
    QVERIFY(dialog->isVisible());
    QVERIFY(addWindow->isVisible());
    clickOn(*dialog, "dropDownOk");
    const QString select = u"<select size=\"8\" name=\"Combo1\" multiple>\r\n"
                           "<option value=\"A\">\"1\"</option>\r\n</select>"_qs;
    QCOMPARE(editor().getAllText(), select + select);
    QCOMPARE(dialog->control<QListWidget>("dropDownOptions")->count(), 1);

    // Unticked, the same dialog closes after inserting.
    QTest::mouseClick(dialog->control<QCheckBox>("dropDownMultiple"), Qt::LeftButton);
    clickOn(*dialog, "dropDownOk");
    QVERIFY(!dialog->isVisible());
    QVERIFY(!addWindow->isVisible());
}

void TestChoiceDialogs::twoOptionsThroughTheAddWindow()
{
    ElementDialog *dialog = openDialog("dialog.dropDown", "dropDownDialog");
    QVERIFY(dialog);
    ElementDialog *addWindow = openAddOption(*dialog);
    QVERIFY(addWindow);
    QCOMPARE(addWindow->windowTitle(), u"添加"_qs);
    auto *options = dialog->control<QListWidget>("dropDownOptions");
    auto *values = dialog->control<QListWidget>("dropDownValues");
    addOption(*addWindow, u"A"_qs, u"1"_qs);
    QCOMPARE(addWindow->value("addOptionText"), QString());
    QCOMPARE(addWindow->value("addOptionValue"), QString());
    addOption(*addWindow, u"B"_qs, u"2"_qs);
    QCOMPARE(dialog->value("dropDownOptions"), u"B"_qs);
    QCOMPARE(dialog->value("dropDownValues"), u"2"_qs);
    QCOMPARE(options->count(), 2);
    QCOMPARE(values->count(), 2);

    // Pressing "添加" again brings back the same window.
    clickOn(*dialog, "dropDownAdd");
    QCOMPARE(dialog->findChildren<ElementDialog *>(u"addOptionDialog"_qs).size(), 1);

    QTest::keyClicks(dialog->control<QLineEdit>("dropDownName"), u"x"_qs);
    clickOn(*dialog, "dropDownOk");
    QCOMPARE(editor().getAllText(), u"<select size=\"1\" name=\"Combo1x\">\r\n"
                                     "<option value=\"A\">\"1\"</option>\r\n"
                                     "<option value=\"B\">\"2\"</option>\r\n"
                                     "</select>"_qs);
}

void TestChoiceDialogs::emptyAddAppendsEmptyEntries()
{
    ElementDialog *dialog = openDialog("dialog.dropDown", "dropDownDialog");
    QVERIFY(dialog);
    ElementDialog *addWindow = openAddOption(*dialog);
    QVERIFY(addWindow);
    addOption(*addWindow, u"A"_qs, u"1"_qs);
    clickOn(*addWindow, "addOptionAdd");
    auto *options = dialog->control<QListWidget>("dropDownOptions");
    auto *values = dialog->control<QListWidget>("dropDownValues");
    QCOMPARE(options->count(), 2);
    QCOMPARE(options->selectedItems(), QList<QListWidgetItem *>{options->item(1)});
    QCOMPARE(values->selectedItems(), QList<QListWidgetItem *>{values->item(1)});
    clickOn(*dialog, "dropDownOk");
    QCOMPARE(editor().getAllText(), u"<select size=\"1\" name=\"Combo1\">\r\n"
                                     "<option value=\"A\">\"1\"</option>\r\n"
                                     "<option value=\"\">\"\"</option>\r\n"
                                     "</select>"_qs);
}

void TestChoiceDialogs::outOfStepDeletion()
{
    ElementDialog *dialog = openDialog("dialog.dropDown", "dropDownDialog");
    QVERIFY(dialog);
    ElementDialog *addWindow = openAddOption(*dialog);
    QVERIFY(addWindow);
    addOption(*addWindow, u"A"_qs, u"1"_qs);
    addOption(*addWindow, u"B"_qs, u"2"_qs);
    addOption(*addWindow, u"C"_qs, u"3"_qs);
    auto *options = dialog->control<QListWidget>("dropDownOptions");
    auto *values = dialog->control<QListWidget>("dropDownValues");
    // Selecting in one list leaves the other's selection where it was.
    clickRow(*options, 1);
    QCOMPARE(dialog->value("dropDownValues"), u"3"_qs);
    clickOn(*dialog, "dropDownDelete");
    QVERIFY(options->selectedItems().isEmpty());
    QVERIFY(values->selectedItems().isEmpty());

    // Only the value list has a selection now.
    clickRow(*values, 0);
    clickOn(*dialog, "dropDownDelete");
    QCOMPARE(options->count(), 2);
    QCOMPARE(values->count(), 1);
    clickOn(*dialog, "dropDownOk");
    QCOMPARE(editor().getAllText(), u"<select size=\"1\" name=\"Combo1\">\r\n"
                                     "<option value=\"A\">\"2\"</option>\r\n"
                                     "<option value=\"C\">\"\"</option>\r\n"
                                     "</select>"_qs);
}

void TestChoiceDialogs::deleteWithNothingSelected()
{
    ElementDialog *dialog = openDialog("dialog.dropDown", "dropDownDialog");
    QVERIFY(dialog);
    clickOn(*dialog, "dropDownDelete");
    ElementDialog *addWindow = openAddOption(*dialog);
    QVERIFY(addWindow);
    addOption(*addWindow, u"A"_qs, u"1"_qs);
    clickOn(*dialog, "dropDownDelete");
    clickOn(*dialog, "dropDownDelete");
    QCOMPARE(dialog->control<QListWidget>("dropDownOptions")->count(), 0);
    QCOMPARE(dialog->control<QListWidget>("dropDownValues")->count(), 0);
    clickOn(*dialog, "dropDownOk");
    QCOMPARE(editor().getAllText(), u"<select size=\"1\" name=\"Combo1\">\r\n</select>"_qs);
}

void TestChoiceDialogs::hundredsOfOptions()
{
    ElementDialog *dialog = openDialog("dialog.dropDown", "dropDownDialog");
    QVERIFY(dialog);
    ElementDialog *addWindow = openAddOption(*dialog);
    QVERIFY(addWindow);
    for (int press = 0; press < 300; ++press)
        addOption(*addWindow, u"o"_qs, u"v"_qs);
    QCOMPARE(dialog->control<QListWidget>("dropDownOptions")->count(), 300);
    QCOMPARE(dialog->control<QListWidget>("dropDownValues")->currentRow(), 299);
    clickOn(*dialog, "dropDownOk");
    QCOMPARE(editor().getAllText(), u"<select size=\"1\" name=\"Combo1\">\r\n"_qs
                                        + u"<option value=\"o\">\"v\"</option>\r\n"_qs.repeated(300)
                                        + u"</select>"_qs);
}

void TestChoiceDialogs::inputReachesBothWindowsOnly()
{
    editor().replaceAllText(u"abc"_qs);
    editor().moveCursor(QTextCursor::End);
    editor().setFocus();
    ElementDialog *dialog = openDialog("dialog.dropDown", "dropDownDialog");
    QVERIFY(dialog);
    ElementDialog *addWindow = openAddOption(*dialog);
    QVERIFY(addWindow);

    // The add window starts in its option field and takes keys and clicks.
    QTest::keyClick(addWindow->windowHandle(), 'k');
    addWindow->control<QLineEdit>("addOptionValue")->setFocus();
    QTest::keyClick(addWindow->windowHandle(), 'v');
    clickThroughWindow(addWindow->control<QPushButton>("addOptionAdd"));
    auto *options = dialog->control<QListWidget>("dropDownOptions");
    QCOMPARE(options->count(), 1);
    QCOMPARE(options->item(0)->text(), u"k"_qs);
    // So does the dialog.
    clickThroughWindow(dialog->control<QCheckBox>("dropDownMultiple"));
    QVERIFY(dialog->isChecked("dropDownMultiple"));
    dialog->control<QLineEdit>("dropDownName")->setFocus();
    QTest::keyClick(dialog->windowHandle(), Qt::Key_Backspace);
    QCOMPARE(dialog->value("dropDownName"), u"Combo"_qs);
    // The main window takes neither.
    QTest::keyClick(m_mainWindow->windowHandle(), 'q');
    clickThroughWindow(editor().viewport(), QPoint(2, 2));
    QCOMPARE(editor().getAllText(), u"abc"_qs);
    QCOMPARE(editor().textCursor().position(), 3);

    clickThroughWindow(dialog->control<QPushButton>("dropDownOk"));
    QCOMPARE(editor().getAllText(), u"abc<select size=\"8\" name=\"Combo\" multiple>\r\n"
                                     "<option value=\"k\">\"v\"</option>\r\n</select>"_qs);
}

void TestChoiceDialogs::addWindowClosesWithItsDialog()
{
    ElementDialog *dialog = openDialog("dialog.dropDown", "dropDownDialog");
    QVERIFY(dialog);
    QPointer<ElementDialog> addWindow = openAddOption(*dialog);
    QVERIFY(addWindow);
    addWindow->activateWindow();
    QTest::keyClicks(addWindow->control<QLineEdit>("addOptionText"), u"typed"_qs);
    dialog->close();   // the close box
    QVERIFY(!addWindow->isVisible());
    finishClosing();
    QVERIFY(addWindow.isNull());
    QCOMPARE(editor().getAllText(), QString());

    dialog = openDialog("dialog.dropDown", "dropDownDialog");
    QVERIFY(dialog);
    QCOMPARE(dialog->control<QListWidget>("dropDownOptions")->count(), 0);
    QVERIFY(!dialog->isChecked("dropDownMultiple"));
    ElementDialog *fresh = openAddOption(*dialog);
    QVERIFY(fresh);
    QCOMPARE(fresh->value("addOptionText"), QString());
}

void TestChoiceDialogs::addWindowPressedAfterItsDialogClosed()
{
    ElementDialog *dialog = openDialog("dialog.dropDown", "dropDownDialog");
    QVERIFY(dialog);
    ElementDialog *addWindow = openAddOption(*dialog);
    QVERIFY(addWindow);
    QPointer<QPushButton> add = addWindow->control<QPushButton>("addOptionAdd");
    QPointer<QListWidget> options = dialog->control<QListWidget>("dropDownOptions");
    clickOn(*dialog, "dropDownCancel");
    // The press arrives before the closed dialog is gone.
    add->click();
    QCOMPARE(options->count(), 0);
    finishClosing();
    QVERIFY(add.isNull());
    QCOMPARE(editor().getAllText(), QString());
}

QTEST_MAIN(TestChoiceDialogs)
#include "tst_choicedialogs.moc"
