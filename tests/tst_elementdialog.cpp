#include "app/mainwindow.h"
#include "dialogs/elementdialog.h"
#include "dialogtesting.h"
#include "editor/sourceeditor.h"
#include "fakeplatform.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <memory>

namespace {

const DialogDesign testDesign = {
    "testDialog", u"Test", {300, 200},
    {
        {ControlKind::GroupBox, "frame", u"", {4, 4, 290, 150}},
        {ControlKind::Label, "pathLabel", u"Path:", {8, 8, 40, 22}, "frame", "path"},
        {ControlKind::LineEdit, "path", u"", {50, 8, 180, 22}, "frame"},
        {ControlKind::BrowseButton, "browse", u"...", {236, 8, 40, 22}, "frame", "path"},
        {ControlKind::PresetButton, "preset", u"http", {50, 34, 50, 22}, "frame", "path", {u"http://"}},
        {ControlKind::ComboBox, "firstSelected", u"", {50, 60, 100, 22}, "frame", nullptr,
         {u"JavaScript", u"VBScript"}},
        {ControlKind::ComboBox, "startsEmpty", u"", {160, 60, 100, 22}, "frame", nullptr,
         {u"top", u"", u"bottom"}},
        {ControlKind::ListBox, "list", u"", {50, 86, 100, 60}, "frame", nullptr, {u"one", u"two"}},
        {ControlKind::TextEdit, "body", u"", {160, 86, 120, 60}, "frame"},
        {ControlKind::OkButton, "okButton", u"OK", {150, 160, 60, 26}},
        {ControlKind::CancelButton, "cancelButton", u"Cancel", {220, 160, 60, 26}},
    },
    "firstSelected",
    {u"css文件|*.css|所有文件|*.*\r\n", 0},
};

const DialogDesign borrowingDesign = {
    "borrowingDialog", u"Borrowing", {300, 100},
    {
        {ControlKind::LineEdit, "path", u"", {8, 8, 180, 22}},
        {ControlKind::BrowseButton, "browse", u"...", {196, 8, 40, 22}, nullptr, "path"},
    },
    nullptr,
    {.borrowsMainFileDialog = true},
};

} // namespace

class TestElementDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void isModalAndReturnsAtOnce();
    void opensOneInstanceOnly();
    void setUpRunsForFreshInstanceOnly();
    void fixedFrameCentredOnScreen();
    void closingInsertsNothingAndForgetsFields_data();
    void closingInsertsNothingAndForgetsFields();
    void creationStepSelectsFirstItem();
    void comboValueIsTypedOrPickedText_data();
    void comboValueIsTypedOrPickedText();
    void listValueIsSelectedTextOrEmpty();
    void multiLineValueUsesCrLf();
    void labelNamesItsField();
    void presetReplacesWholeField();
    void browseKeepsLastChosenName();
    void browseBorrowsMainFileDialog();
    void okInsertsPiecesAndCloses_data();
    void okInsertsPiecesAndCloses();
    void quickSecondOkInsertsNothing_data();
    void quickSecondOkInsertsNothing();
    void dialogMayStayOpenAfterOk();

private:
    ElementDialog *open(const DialogDesign &design = testDesign);
    template<typename Control>
    Control *find(ElementDialog *dialog, const char *name)
    {
        return dialog->findChild<Control *>(QLatin1StringView(name));
    }
    SourceEditor &editor() { return m_window->editor(); }
    int caret() { return editor().textCursor().position(); }

    FakePlatform m_platform;
    std::unique_ptr<MainWindow> m_window;
    int m_okCalls = 0;
    bool m_staysOpen = false;
};

void TestElementDialog::init()
{
    m_platform = FakePlatform();
    m_window = showMainWindow(m_platform);
    QVERIFY(m_window);
    setTextWithCaret(editor(), u"AB"_qs, 1);
    m_okCalls = 0;
    m_staysOpen = false;
}

void TestElementDialog::cleanup()
{
    m_window.reset();
}

ElementDialog *TestElementDialog::open(const DialogDesign &design)
{
    return openElementDialog(*m_window, design, [this](ElementDialog &dialog, const QString &) {
        ++m_okCalls;
        return ElementResult{{u"<"_qs, dialog.value("path"), u">"_qs}, m_staysOpen};
    });
}

void TestElementDialog::isModalAndReturnsAtOnce()
{
    QWindow *mainWindow = m_window->windowHandle();
    QTest::keyClick(mainWindow, 'x');
    QCOMPARE(editor().getAllText(), u"AxB"_qs);

    ElementDialog *dialog = open();
    // Reaching this line with the dialog showing means the opening did not wait for it.
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(QApplication::activeModalWidget(), dialog);
    QTest::keyClick(mainWindow, 'y');
    QCOMPARE(editor().getAllText(), u"AxB"_qs);

    QTest::mouseClick(find<QPushButton>(dialog, "cancelButton"), Qt::LeftButton);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QTest::keyClick(mainWindow, 'z');
    QCOMPARE(editor().getAllText(), u"AxzB"_qs);
}

void TestElementDialog::opensOneInstanceOnly()
{
    ElementDialog *first = open();
    find<QLineEdit>(first, "path")->setText(u"kept"_qs);
    first->showMinimized();
    ElementDialog *second = open();
    QCOMPARE(second, first);
    QVERIFY(!(first->windowState() & Qt::WindowMinimized));
    QCOMPARE(m_window->findChildren<ElementDialog *>().size(), 1);
    QCOMPARE(find<QLineEdit>(first, "path")->text(), u"kept"_qs);
}

void TestElementDialog::setUpRunsForFreshInstanceOnly()
{
    QList<ElementDialog *> setUps;
    auto openWithSetUp = [this, &setUps] {
        return openElementDialog(*m_window, testDesign, {},
                                 [&setUps](ElementDialog &dialog) { setUps.append(&dialog); });
    };
    ElementDialog *first = openWithSetUp();
    QCOMPARE(setUps, QList<ElementDialog *>{first});
    QCOMPARE(openWithSetUp(), first);
    QCOMPARE(setUps.size(), 1);

    QTest::mouseClick(find<QPushButton>(first, "cancelButton"), Qt::LeftButton);
    ElementDialog *fresh = openWithSetUp();
    QCOMPARE(setUps.size(), 2);
    QCOMPARE(setUps.constLast(), fresh);
}

void TestElementDialog::fixedFrameCentredOnScreen()
{
    ElementDialog *dialog = open();
    QCOMPARE(dialog->windowTitle(), u"Test"_qs);
    QCOMPARE(dialog->frameGeometry().size(), QSize(300, 200));
    QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
    const QSize screen = QGuiApplication::primaryScreen()->size();
    QCOMPARE(dialog->frameGeometry().topLeft(),
             QPoint((screen.width() - 300) / 2, (screen.height() - 200) / 2));
    const Qt::WindowFlags flags = dialog->windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
}

void TestElementDialog::closingInsertsNothingAndForgetsFields_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("cancel button") << u"cancel"_qs;
    QTest::newRow("close box") << u"closeBox"_qs;
    QTest::newRow("Escape") << u"escape"_qs;
}

void TestElementDialog::closingInsertsNothingAndForgetsFields()
{
    QFETCH(QString, way);
    QPointer<ElementDialog> dialog = open();
    QTest::keyClicks(find<QLineEdit>(dialog, "path"), u"typed"_qs);
    QTest::keyClicks(find<QComboBox>(dialog, "startsEmpty"), u"typed"_qs);
    if (way == u"cancel")
        QTest::mouseClick(find<QPushButton>(dialog, "cancelButton"), Qt::LeftButton);
    else if (way == u"closeBox")
        dialog->windowHandle()->close();
    else
        QTest::keyClick(dialog, Qt::Key_Escape);
    finishClosing();
    QVERIFY(dialog.isNull());
    QCOMPARE(m_okCalls, 0);
    QCOMPARE(editor().getAllText(), u"AB"_qs);
    QCOMPARE(caret(), 1);

    ElementDialog *again = open();
    QCOMPARE(again->value("path"), QString());
    QCOMPARE(again->value("startsEmpty"), QString());
    QCOMPARE(again->value("firstSelected"), u"JavaScript"_qs);
}

void TestElementDialog::creationStepSelectsFirstItem()
{
    ElementDialog *dialog = open();
    QCOMPARE(find<QComboBox>(dialog, "firstSelected")->currentIndex(), 0);
    QCOMPARE(dialog->value("firstSelected"), u"JavaScript"_qs);
    QCOMPARE(find<QComboBox>(dialog, "startsEmpty")->currentIndex(), -1);
    QCOMPARE(dialog->value("startsEmpty"), QString());
}

void TestElementDialog::comboValueIsTypedOrPickedText_data()
{
    QTest::addColumn<QString>("combo");
    QTest::addColumn<int>("pick");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("pressEnter");
    QTest::addColumn<QString>("value");
    QTest::newRow("picked") << u"startsEmpty"_qs << 2 << QString() << false << u"bottom"_qs;
    QTest::newRow("picked blank item") << u"firstSelected"_qs << -1 << QString() << false << QString();
    QTest::newRow("prefix of an item") << u"firstSelected"_qs << -1 << u"Ja"_qs << false << u"Ja"_qs;
    QTest::newRow("other case, Enter") << u"firstSelected"_qs << -1 << u"javascript"_qs << true
                                       << u"javascript"_qs;
    QTest::newRow("typed after a pick") << u"startsEmpty"_qs << 0 << u"Frame1"_qs << false
                                        << u"Frame1"_qs;
    QTest::newRow("blanks kept") << u"startsEmpty"_qs << -1 << u" top "_qs << false << u" top "_qs;
}

void TestElementDialog::comboValueIsTypedOrPickedText()
{
    QFETCH(QString, combo);
    QFETCH(int, pick);
    QFETCH(QString, typed);
    QFETCH(bool, pressEnter);
    QFETCH(QString, value);
    ElementDialog *dialog = open();
    auto *box = dialog->findChild<QComboBox *>(combo);
    box->setCurrentIndex(pick);
    if (!typed.isEmpty()) {
        box->lineEdit()->selectAll();
        QTest::keyClicks(box, typed);
    }
    if (pressEnter)
        QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(dialog->value(combo.toLatin1().constData()), value);
}

void TestElementDialog::listValueIsSelectedTextOrEmpty()
{
    ElementDialog *dialog = open();
    auto *list = find<QListWidget>(dialog, "list");
    list->setFocus();
    QCOMPARE(dialog->value("list"), QString());
    clickRow(*list, 1);
    QCOMPARE(dialog->value("list"), u"two"_qs);
    list->clearSelection();
    QCOMPARE(dialog->value("list"), QString());
}

void TestElementDialog::multiLineValueUsesCrLf()
{
    ElementDialog *dialog = open();
    auto *body = find<QPlainTextEdit>(dialog, "body");
    QTest::keyClicks(body, u"a"_qs);
    QTest::keyClick(body, Qt::Key_Return);
    QTest::keyClicks(body, u"b"_qs);
    QTest::keyClick(body, Qt::Key_Return);
    QCOMPARE(dialog->value("body"), u"a\r\nb\r\n"_qs);
}

void TestElementDialog::labelNamesItsField()
{
    ElementDialog *dialog = open();
    auto *path = find<QLineEdit>(dialog, "path");
    QCOMPARE(find<QLabel>(dialog, "pathLabel")->buddy(), path);
    QCOMPARE(path->accessibleName(), u"Path:"_qs);
}

void TestElementDialog::presetReplacesWholeField()
{
    ElementDialog *dialog = open();
    QTest::keyClicks(find<QLineEdit>(dialog, "path"), u"www.example.com"_qs);
    QTest::mouseClick(find<QPushButton>(dialog, "preset"), Qt::LeftButton);
    QCOMPARE(dialog->value("path"), u"http://"_qs);
}

void TestElementDialog::browseKeepsLastChosenName()
{
    ElementDialog *dialog = open();
    auto *path = find<QLineEdit>(dialog, "path");
    auto *browse = find<QPushButton>(dialog, "browse");

    // A cancel in a fresh dialog empties the field, whatever was typed.
    QTest::keyClicks(path, u"typed.css"_qs);
    QTest::mouseClick(browse, Qt::LeftButton);
    QCOMPARE(path->text(), QString());

    m_platform.files.push_back(u"/site/a.css"_qs);
    QTest::mouseClick(browse, Qt::LeftButton);
    QCOMPARE(path->text(), u"/site/a.css"_qs);
    QTest::keyClicks(path, u"x"_qs);
    QTest::mouseClick(browse, Qt::LeftButton);
    QCOMPARE(path->text(), u"/site/a.css"_qs);

    QCOMPARE(m_platform.fileRequests.size(), 3);
    for (const FileDialogRequest &request : std::as_const(m_platform.fileRequests)) {
        QCOMPARE(request.kind, FileDialogKind::Open);
        QCOMPARE(request.filter, u"css文件|*.css|所有文件|*.*\r\n"_qs);
        QCOMPARE(request.selectedEntry, 0);
    }
    QCOMPARE(m_platform.fileRequests[1].fileName, QString());
    QCOMPARE(m_platform.fileRequests[2].fileName, u"/site/a.css"_qs);

    // The next opening starts with an empty name again.
    QTest::mouseClick(find<QPushButton>(dialog, "cancelButton"), Qt::LeftButton);
    finishClosing();
    ElementDialog *again = open();
    find<QLineEdit>(again, "path")->setText(u"typed"_qs);
    QTest::mouseClick(find<QPushButton>(again, "browse"), Qt::LeftButton);
    QCOMPARE(again->value("path"), QString());
}

void TestElementDialog::browseBorrowsMainFileDialog()
{
    MainFileDialog &mainFileDialog = m_window->mainFileDialog();
    m_platform.files.push_back(u"/pages/index.html"_qs);
    QVERIFY(mainFileDialog.showOpenFile());

    ElementDialog *dialog = open(borrowingDesign);
    QTest::mouseClick(find<QPushButton>(dialog, "browse"), Qt::LeftButton);
    QCOMPARE(dialog->value("path"), u"/pages/index.html"_qs);
    const FileDialogRequest request = m_platform.fileRequests.constLast();
    QCOMPARE(request.kind, FileDialogKind::Open);
    QCOMPARE(request.filter, QString::fromUtf16(MainFileDialog::filter));
    QCOMPARE(request.selectedEntry, 1);
    QCOMPARE(request.fileName, u"/pages/index.html"_qs);

    m_platform.files.push_back(u"/pages/logo.gif"_qs);
    QTest::mouseClick(find<QPushButton>(dialog, "browse"), Qt::LeftButton);
    QCOMPARE(dialog->value("path"), u"/pages/logo.gif"_qs);
    QCOMPARE(mainFileDialog.fileName(), u"/pages/logo.gif"_qs);
    QCOMPARE(mainFileDialog.kind(), MainFileDialog::Kind::OpenFile);
}

void TestElementDialog::okInsertsPiecesAndCloses_data()
{
    QTest::addColumn<bool>("selectB");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::newRow("at the caret") << false << u"A<p\"&>B"_qs << 6;
    QTest::newRow("over the selection") << true << u"A<p\"&>"_qs << 6;
}

void TestElementDialog::okInsertsPiecesAndCloses()
{
    QFETCH(bool, selectB);
    QFETCH(QString, text);
    QFETCH(int, caret);
    if (selectB) {
        QTextCursor cursor = editor().textCursor();
        cursor.setPosition(2, QTextCursor::KeepAnchor);
        editor().setTextCursor(cursor);
    }
    QPointer<ElementDialog> dialog = open();
    QTest::keyClicks(find<QLineEdit>(dialog, "path"), u"p\"&"_qs);
    QTest::mouseClick(find<QPushButton>(dialog, "okButton"), Qt::LeftButton);
    QCOMPARE(editor().getAllText(), text);
    QCOMPARE(this->caret(), caret);
    finishClosing();
    QVERIFY(dialog.isNull());
}

void TestElementDialog::quickSecondOkInsertsNothing_data()
{
    QTest::addColumn<bool>("doubleClick");
    QTest::newRow("double-click") << true;
    QTest::newRow("two clicks") << false;
}

void TestElementDialog::quickSecondOkInsertsNothing()
{
    QFETCH(bool, doubleClick);
    ElementDialog *dialog = open();
    auto *ok = find<QPushButton>(dialog, "okButton");
    if (doubleClick) {
        // Through the window, as the platform delivers a real double-click.
        QTest::mouseDClick(dialog->windowHandle(), Qt::LeftButton, {},
                           ok->mapTo(dialog, ok->rect().center()));
    } else {
        ok->click();
        ok->click();
    }
    QCOMPARE(m_okCalls, 1);
    QCOMPARE(editor().getAllText(), u"A<>B"_qs);
}

void TestElementDialog::dialogMayStayOpenAfterOk()
{
    m_staysOpen = true;
    ElementDialog *dialog = open();
    auto *ok = find<QPushButton>(dialog, "okButton");
    ok->click();
    ok->click();
    QVERIFY(dialog->isVisible());
    QCOMPARE(editor().getAllText(), u"A<><>B"_qs);
}

QTEST_MAIN(TestElementDialog)
#include "tst_elementdialog.moc"
