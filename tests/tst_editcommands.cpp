#include "app/mainwindow.h"
#include "app/menutree.h"
#include "commands/statusbar.h"
#include "commands/statusupdater.h"
#include "document/pagecodec.h"
#include "editor/sourceeditor.h"
#include "fakeplatform.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QTextCursor>
#include <QTextDocumentFragment>

namespace {

// The editor's cut, copy and paste use the system clipboard; with this platform the program's own
// clipboard reads and writes reach the same one, as they do in the real program.
class SystemClipboardPlatform : public FakePlatform
{
public:
    QString clipboardText() const override { return QGuiApplication::clipboard()->text(); }
    bool clipboardHasText() const override
    {
        const QMimeData *data = QGuiApplication::clipboard()->mimeData();
        return data && data->hasText();
    }
    void setClipboardText(const QString &text) override { QGuiApplication::clipboard()->setText(text); }
};

enum class Clipboard { Text, Nothing, Picture };

void fillClipboard(Clipboard content)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    switch (content) {
    case Clipboard::Text:
        clipboard->setText(u"abc"_qs);
        break;
    case Clipboard::Nothing:
        clipboard->clear();
        break;
    case Clipboard::Picture: {
        auto *picture = new QMimeData;
        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(Qt::red);
        picture->setImageData(image);
        clipboard->setMimeData(picture);
        break;
    }
    }
}

void select(SourceEditor &editor, int anchor, int position)
{
    QTextCursor cursor = editor.textCursor();
    cursor.setPosition(anchor);
    cursor.setPosition(position, QTextCursor::KeepAnchor);
    editor.setTextCursor(cursor);
}

QAction *menuItem(const MainWindow &window, const QString &name)
{
    QAction *action = findMenuAction(window, name);
    if (!action)
        qFatal("no menu item %s", qPrintable(name));
    return action;
}

const QStringList guardedEditItems{u"editMenu.undo"_qs, u"editMenu.paste"_qs, u"editMenu.cut"_qs,
                                   u"editMenu.copy"_qs, u"editMenu.delete"_qs};

QList<bool> enabledFlags(const MainWindow &window)
{
    QList<bool> flags;
    for (const QString &name : guardedEditItems)
        flags << menuItem(window, name)->isEnabled();
    return flags;
}

} // namespace

Q_DECLARE_METATYPE(Clipboard)

class TestEditCommands : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void clipboardCommandsThroughTheMenus();
    void deleteKeepsTheClipboard_data();
    void deleteKeepsTheClipboard();
    void selectAll_data();
    void selectAll();
    void rightClickSetsTheEditMenu_data();
    void rightClickSetsTheEditMenu();
    void editFlagsKeepUntilTheNextRightClick();
    void harmlessCommands_data();
    void harmlessCommands();

private:
    static QPoint rightClick(MainWindow &window);
    static void checkStatusBar(const MainWindow &window);
};

void TestEditCommands::cleanup()
{
    if (QWidget *popup = QApplication::activePopupWidget())
        popup->close();
}

// Right-clicks into the editor; returns the pointer's screen position.
QPoint TestEditCommands::rightClick(MainWindow &window)
{
    QWidget *viewport = window.editor().viewport();
    const QPoint at(20, 10);
    QTest::mouseClick(viewport, Qt::RightButton, {}, at);
    return viewport->mapToGlobal(at);
}

void TestEditCommands::checkStatusBar(const MainWindow &window)
{
    const SourceEditor &editor = window.editor();
    QCOMPARE(window.statusPanes().paneText(7),
             kilobyteText(PageCodec::encodedLength(editor.plainText())));
    QCOMPARE(window.statusPanes().paneText(1), QString::number(editor.lineCount()));
}

void TestEditCommands::clipboardCommandsThroughTheMenus()
{
    SystemClipboardPlatform platform;
    MainWindow window(platform);
    SourceEditor &editor = window.editor();
    editor.replaceAllText(u"hello world"_qs);

    select(editor, 0, 5);
    menuItem(window, u"editMenu.copy"_qs)->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), u"hello"_qs);
    editor.moveCursor(QTextCursor::End);
    menuItem(window, u"contextMenu.paste"_qs)->trigger();
    QCOMPARE(editor.getAllText(), u"hello worldhello"_qs);

    select(editor, 5, 11);
    menuItem(window, u"contextMenu.cut"_qs)->trigger();
    QCOMPARE(editor.getAllText(), u"hellohello"_qs);
    QCOMPARE(QGuiApplication::clipboard()->text(), u" world"_qs);
    menuItem(window, u"contextMenu.copy"_qs)->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), u" world"_qs);

    menuItem(window, u"editMenu.undo"_qs)->trigger();
    QCOMPARE(editor.getAllText(), u"hello worldhello"_qs);
    editor.moveCursor(QTextCursor::Start);
    menuItem(window, u"editMenu.paste"_qs)->trigger();
    QCOMPARE(editor.getAllText(), u" worldhello worldhello"_qs);
    select(editor, 0, 6);
    menuItem(window, u"editMenu.cut"_qs)->trigger();
    QCOMPARE(editor.getAllText(), u"hello worldhello"_qs);
    checkStatusBar(window);
}

void TestEditCommands::deleteKeepsTheClipboard_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<Clipboard>("clipboard");
    QTest::addColumn<int>("selectionEnd");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("clipboardText");
    const QString items[] = {u"editMenu.delete"_qs, u"contextMenu.delete"_qs};
    for (const QString &item : items) {
        const QByteArray row = item.toLatin1();
        QTest::newRow(row + " text on the clipboard")
            << item << Clipboard::Text << 5 << u" world"_qs << u"abc"_qs;
        QTest::newRow(row + " empty clipboard")
            << item << Clipboard::Nothing << 5 << u" world"_qs << QString();
        QTest::newRow(row + " picture on the clipboard")
            << item << Clipboard::Picture << 5 << u" world"_qs << QString();
        QTest::newRow(row + " nothing selected")
            << item << Clipboard::Text << 0 << u"hello world"_qs << u"abc"_qs;
        QTest::newRow(row + " nothing selected, picture on the clipboard")
            << item << Clipboard::Picture << 0 << u"hello world"_qs << QString();
    }
}

void TestEditCommands::deleteKeepsTheClipboard()
{
    QFETCH(QString, item);
    QFETCH(Clipboard, clipboard);
    QFETCH(int, selectionEnd);
    QFETCH(QString, text);
    QFETCH(QString, clipboardText);

    SystemClipboardPlatform platform;
    MainWindow window(platform);
    SourceEditor &editor = window.editor();
    editor.replaceAllText(u"hello world"_qs);
    select(editor, 0, selectionEnd);
    fillClipboard(clipboard);

    menuItem(window, item)->trigger();
    QCOMPARE(editor.getAllText(), text);
    const QMimeData *held = QGuiApplication::clipboard()->mimeData();
    QVERIFY(held && held->hasText());
    QVERIFY(!held->hasImage());
    QCOMPARE(held->text(), clipboardText);
    checkStatusBar(window);
}

void TestEditCommands::selectAll_data()
{
    QTest::addColumn<QString>("item");
    QTest::newRow("edit menu") << u"editMenu.selectAllByLength"_qs;
    QTest::newRow("right-click menu") << u"contextMenu.selectAllByRange"_qs;
}

void TestEditCommands::selectAll()
{
    QFETCH(QString, item);
    FakePlatform platform;
    MainWindow window(platform);
    SourceEditor &editor = window.editor();
    editor.replaceAllText(u"first\r\n砚舟\r\nlast"_qs);
    select(editor, 7, 8);
    menuItem(window, item)->trigger();
    const QTextCursor cursor = editor.textCursor();
    QCOMPARE(cursor.selectionStart(), 0);
    QCOMPARE(editor.selectionLength(), 13);
    QCOMPARE(cursor.selection().toRawText(), u"first\u2029砚舟\u2029last"_qs);
}

void TestEditCommands::rightClickSetsTheEditMenu_data()
{
    QTest::addColumn<bool>("selection");
    QTest::addColumn<bool>("typed");
    QTest::addColumn<Clipboard>("clipboard");
    QTest::addColumn<QList<bool>>("flags"); // undo, paste, cut, copy, delete
    QTest::newRow("nothing") << false << false << Clipboard::Nothing
                             << QList<bool>{false, false, false, false, false};
    QTest::newRow("everything") << true << true << Clipboard::Text
                                << QList<bool>{true, true, true, true, true};
    QTest::newRow("selection only") << true << false << Clipboard::Nothing
                                    << QList<bool>{false, false, true, true, true};
    QTest::newRow("something to undo") << false << true << Clipboard::Nothing
                                       << QList<bool>{true, false, false, false, false};
    QTest::newRow("text on the clipboard") << false << false << Clipboard::Text
                                           << QList<bool>{false, true, false, false, false};
    QTest::newRow("picture on the clipboard") << false << false << Clipboard::Picture
                                              << QList<bool>{false, false, false, false, false};
}

void TestEditCommands::rightClickSetsTheEditMenu()
{
    QFETCH(bool, selection);
    QFETCH(bool, typed);
    QFETCH(Clipboard, clipboard);
    QFETCH(QList<bool>, flags);

    SystemClipboardPlatform platform;
    MainWindow window(platform);
    SourceEditor &editor = window.editor();
    editor.replaceAllText(u"hello world"_qs);
    if (typed) {
        editor.moveCursor(QTextCursor::End);
        QTest::keyClicks(&editor, u"!"_qs);
    }
    if (selection)
        select(editor, 0, 5);
    fillClipboard(clipboard);

    const QPoint pointer = rightClick(window);
    QCOMPARE(enabledFlags(window), flags);
    QCOMPARE(editor.selectionLength(), selection ? 5 : 0);

    QMenu *contextMenu = findContextMenu(window);
    QVERIFY(contextMenu->isVisible());
    QCOMPARE(QApplication::activePopupWidget(), contextMenu);
    QCOMPARE(contextMenu->pos(), pointer + QPoint(3, 3));
    for (const QAction *action : contextMenu->actions())
        QVERIFY(action->isEnabled());
}

void TestEditCommands::editFlagsKeepUntilTheNextRightClick()
{
    SystemClipboardPlatform platform;
    MainWindow window(platform);
    SourceEditor &editor = window.editor();
    editor.replaceAllText(u"hello world"_qs);
    fillClipboard(Clipboard::Nothing);

    rightClick(window);
    findContextMenu(window)->close();
    const QList<bool> allOff{false, false, false, false, false};
    QCOMPARE(enabledFlags(window), allOff);

    QTest::mouseDClick(editor.viewport(), Qt::LeftButton, {}, QPoint(10, 8));
    QVERIFY(editor.selectionLength() > 0);
    QCOMPARE(enabledFlags(window), allOff);

    rightClick(window);
    QCOMPARE(enabledFlags(window), (QList<bool>{false, false, true, true, true}));
}

void TestEditCommands::harmlessCommands_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Clipboard>("clipboard");
    QTest::addColumn<QString>("item");
    QTest::newRow("undo with nothing to undo")
        << u"hello"_qs << Clipboard::Text << u"editMenu.undo"_qs;
    QTest::newRow("paste a picture") << u"hello"_qs << Clipboard::Picture << u"editMenu.paste"_qs;
    QTest::newRow("paste from an empty clipboard")
        << u"hello"_qs << Clipboard::Nothing << u"contextMenu.paste"_qs;
    QTest::newRow("cut with nothing selected")
        << u"hello"_qs << Clipboard::Text << u"contextMenu.cut"_qs;
    QTest::newRow("delete in an empty document")
        << QString() << Clipboard::Text << u"contextMenu.delete"_qs;
    QTest::newRow("select all in an empty document")
        << QString() << Clipboard::Text << u"editMenu.selectAllByLength"_qs;
}

// Commands with nothing to work on leave the text alone, and the status bar stays true.
void TestEditCommands::harmlessCommands()
{
    QFETCH(QString, text);
    QFETCH(Clipboard, clipboard);
    QFETCH(QString, item);

    SystemClipboardPlatform platform;
    MainWindow window(platform);
    SourceEditor &editor = window.editor();
    editor.replaceAllText(text);
    fillClipboard(clipboard);
    rightClick(window);
    QVERIFY(findContextMenu(window)->isVisible());
    findContextMenu(window)->close();

    menuItem(window, item)->trigger();
    QCOMPARE(editor.getAllText(), text);
    checkStatusBar(window);
}

QTEST_MAIN(TestEditCommands)
#include "tst_editcommands.moc"
