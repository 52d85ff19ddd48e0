#include "app/mainwindow.h"
#include "commands/statusbar.h"
#include "commands/statusupdater.h"
#include "document/documentcommands.h"
#include "document/pagecodec.h"
#include "editor/sourceeditor.h"
#include "fakeplatform.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QTest>
#include <QTextCursor>

class TestStatusBar : public QObject
{
    Q_OBJECT

private slots:
    void kilobyteFigures_data();
    void kilobyteFigures();
    void startUpPanes();
    void typingIntoEmptyDocument();
    void movingTheCaretChangesNothing();
    void undoShowsWhereTheCaretLands_data();
    void undoShowsWhereTheCaretLands();
    void byteCountFollowsRandomEdits();
    void byteCountAfterWholeTextReplaced_data();
    void byteCountAfterWholeTextReplaced();
    void hugePaste();

private:
    static QStringList panes(const MainWindow &window);
    enum class CaretLine { Checked, MayLag };
    static void checkFigures(const MainWindow &window, CaretLine caretLine = CaretLine::Checked);
};

QStringList TestStatusBar::panes(const MainWindow &window)
{
    QStringList texts;
    for (int i = 0; i < StatusBar::paneCount; ++i)
        texts << window.statusPanes().paneText(i);
    return texts;
}

// The panes and the byte count must agree with the text as it stands. Undo and redo place the
// caret after the text has changed, so the caret line shown is where the change found it.
void TestStatusBar::checkFigures(const MainWindow &window, CaretLine caretLine)
{
    const SourceEditor &editor = window.editor();
    const qsizetype bytes = PageCodec::encodedLength(editor.plainText());
    QCOMPARE(window.statusUpdater().byteCount(), bytes);
    QCOMPARE(window.statusPanes().paneText(7), kilobyteText(bytes));
    QCOMPARE(window.statusPanes().paneText(1), QString::number(editor.lineCount()));
    if (caretLine == CaretLine::Checked)
        QCOMPARE(window.statusPanes().paneText(3), QString::number(editor.caretLineIndex()));
}

void TestStatusBar::kilobyteFigures_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << qint64(0) << u"0k"_qs;
    QTest::newRow("one byte rounds to nothing") << qint64(1) << u"0k"_qs;
    QTest::newRow("start page") << qint64(247) << u"0.24k"_qs;
    QTest::newRow("just under a half") << qint64(127) << u"0.12k"_qs;
    QTest::newRow("half rounds upward") << qint64(128) << u"0.13k"_qs;
    QTest::newRow("one kilobyte") << qint64(1024) << u"1k"_qs;
    QTest::newRow("one decimal") << qint64(1536) << u"1.5k"_qs;
    QTest::newRow("leading zero decimal") << qint64(1075) << u"1.05k"_qs;
    QTest::newRow("rounds up to a whole") << qint64(2043) << u"2k"_qs;
    QTest::newRow("two thousand") << qint64(2048000) << u"2000k"_qs;
    QTest::newRow("ten megabytes") << qint64(10485760) << u"10240k"_qs;
    // 123456789012.36 kilobytes, rounded to 13 significant digits
    QTest::newRow("thirteen digits") << qint64(126419751948657) << u"123456789012.4k"_qs;
    QTest::newRow("largest count") << std::numeric_limits<qint64>::max()
                                   << u"9007199254741000k"_qs;
}

void TestStatusBar::kilobyteFigures()
{
    QFETCH(qint64, bytes);
    QFETCH(QString, text);
    QCOMPARE(kilobyteText(bytes), text);
}

void TestStatusBar::startUpPanes()
{
    FakePlatform platform;
    MainWindow window(platform);
    QCOMPARE(panes(window), (QStringList{u"程序行数"_qs, u"13"_qs, u"光标行位"_qs, u"12"_qs,
                                         u"光标列位"_qs, u"0"_qs, u"程序长度"_qs, u"0.24k"_qs,
                                         QString()}));
    QVERIFY(window.document().documentModified());
}

void TestStatusBar::typingIntoEmptyDocument()
{
    FakePlatform platform;
    MainWindow window(platform);
    SourceEditor &editor = window.editor();
    editor.replaceAllText(QString());
    QCOMPARE(window.statusPanes().paneText(7), u"0k"_qs);
    QCOMPARE(window.statusPanes().paneText(1), u"1"_qs);
    QTest::keyClicks(&editor, u"a"_qs);
    QCOMPARE(window.statusPanes().paneText(7), u"0k"_qs);
    QCOMPARE(window.statusPanes().paneText(1), u"1"_qs);
    QCOMPARE(window.statusPanes().paneText(3), u"0"_qs);
    QCOMPARE(window.statusUpdater().byteCount(), 1);
}

void TestStatusBar::movingTheCaretChangesNothing()
{
    FakePlatform platform;
    MainWindow window(platform);
    SourceEditor &editor = window.editor();
    editor.replaceAllText(u"first\r\nsecond\r\nthird"_qs);
    editor.moveCursor(QTextCursor::End);
    QTest::keyClicks(&editor, u"!"_qs);
    QCOMPARE(window.statusPanes().paneText(3), u"2"_qs);

    const QStringList before = panes(window);
    editor.moveCursor(QTextCursor::Start);
    QTest::keyClick(&editor, Qt::Key_Down);
    QTest::mouseClick(editor.viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    editor.selectAllText();
    QCOMPARE(panes(window), before);

    editor.moveCursor(QTextCursor::Start);
    QTest::keyClick(&editor, Qt::Key_Down);
    QTest::keyClicks(&editor, u"x"_qs);
    QCOMPARE(window.statusPanes().paneText(3), u"1"_qs);
    QCOMPARE(editor.getAllText(), u"first\r\nxsecond\r\nthird!"_qs);
}

void TestStatusBar::undoShowsWhereTheCaretLands_data()
{
    QTest::addColumn<bool>("fromMenu");
    QTest::newRow("edit menu") << true;
    QTest::newRow("keyboard") << false;
}

void TestStatusBar::undoShowsWhereTheCaretLands()
{
    QFETCH(bool, fromMenu);
    FakePlatform platform;
    MainWindow window(platform);
    SourceEditor &editor = window.editor();
    editor.moveCursor(QTextCursor::Start);
    editor.insertAtSelection(u"one\r\ntwo\r\nthree\r\n"_qs);
    editor.moveCursor(QTextCursor::End);
    QTest::keyClicks(&editor, u"x"_qs);
    editor.moveCursor(QTextCursor::Start);
    if (fromMenu)
        window.commands().run(u"undo"_qs);
    else
        QTest::keySequence(&editor, QKeySequence::Undo);
    QVERIFY(!editor.getAllText().endsWith(u'x'));
    QCOMPARE(window.statusPanes().paneText(3), QString::number(editor.caretLineIndex()));
    QCOMPARE(editor.caretLineIndex(), 15);
}

// Typing, deleting, pasting several lines, replacing selections, undo and redo, characters of one,
// two and four bytes, byte escapes and line separators: the kept count never drifts.
void TestStatusBar::byteCountFollowsRandomEdits()
{
    FakePlatform platform;
    MainWindow window(platform);
    SourceEditor &editor = window.editor();
    QRandomGenerator random(20240613);
    const QString alphabet = u"ab <>\t\n\n砚舟€\u00A0\u2028"_qs + QChar(PageCodec::byteEscape(0x81))
        + u"😀"_qs;
    const auto randomText = [&](int maximumLength) {
        QString text;
        const int length = random.bounded(maximumLength + 1);
        while (text.size() < length) {
            const qsizetype at = random.bounded(alphabet.size());
            // the emoji is two UTF-16 units; keep it whole
            text += QChar::isSurrogate(alphabet[at].unicode()) ? u"😀"_qs : QString(alphabet[at]);
        }
        return text;
    };
    const auto randomPosition = [&] {
        return int(random.bounded(editor.document()->characterCount()));
    };
    const auto select = [&](int anchor, int position) {
        QTextCursor cursor = editor.textCursor();
        cursor.setPosition(anchor);
        cursor.setPosition(position, QTextCursor::KeepAnchor);
        editor.setTextCursor(cursor);
    };

    int textChanges = 0;
    connect(&editor, &SourceEditor::textChanged, this, [&textChanges] { ++textChanges; });
    for (int step = 0; step < 600; ++step) {
        const int changesBefore = textChanges;
        const int operation = int(random.bounded(9));
        switch (operation) {
        case 0:
            select(randomPosition(), randomPosition());
            editor.insertAtSelection(randomText(12).replace(u"\n"_qs, u"\r\n"_qs));
            break;
        case 1:
            select(randomPosition(), randomPosition());
            editor.textCursor().removeSelectedText();
            break;
        case 2:
            QGuiApplication::clipboard()->setText(randomText(200));
            select(randomPosition(), randomPosition());
            editor.sendEditCommand(SourceEditor::EditCommand::Paste);
            break;
        case 3:
            select(randomPosition(), randomPosition());
            editor.sendEditCommand(SourceEditor::EditCommand::Cut);
            break;
        case 4:
            editor.sendEditCommand(SourceEditor::EditCommand::Undo);
            break;
        case 5:
            editor.redo();
            break;
        case 6:
            select(randomPosition(), randomPosition());
            QTest::keyClick(&editor, random.bounded(2) ? Qt::Key_Backspace : Qt::Key_Delete);
            break;
        case 7:
            select(randomPosition(), randomPosition());
            QTest::keyClick(&editor, Qt::Key_Return);
            QTest::keyClicks(&editor, u"typed"_qs);
            break;
        default:
            select(randomPosition(), randomPosition());
            editor.setSelectionFormat(editor.getSelectionFormat());
            break;
        }
        // Without a change of the text the caret may have moved alone.
        const bool caretLineShown = textChanges != changesBefore && operation != 4 && operation != 5;
        checkFigures(window, caretLineShown ? CaretLine::Checked : CaretLine::MayLag);
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(u"after step %1, operation %2"_qs.arg(step).arg(operation)));
    }
}

void TestStatusBar::byteCountAfterWholeTextReplaced_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("one line break") << u"\r\n"_qs;
    QTest::newRow("mixed breaks") << u"a\rb\nc\r\nd\r\n"_qs;
    QTest::newRow("ten megabytes") << u"<p>网页 text</p>\r\n"_qs.repeated(10 * 1024 * 1024 / 20);
}

void TestStatusBar::byteCountAfterWholeTextReplaced()
{
    QFETCH(QString, text);
    FakePlatform platform;
    MainWindow window(platform);
    window.editor().replaceAllText(text);
    checkFigures(window);
    window.document().newDocument(DocumentCommands::Page::Css);
    checkFigures(window);
}

void TestStatusBar::hugePaste()
{
    FakePlatform platform;
    MainWindow window(platform);
    SourceEditor &editor = window.editor();
    const QString line = u"<td>砚舟 0123456789 abcdefghij</td>\r\n"_qs;
    QGuiApplication::clipboard()->setText(line.repeated(16 * 1024 * 1024 / 40));
    editor.moveCursor(QTextCursor::End);
    editor.sendEditCommand(SourceEditor::EditCommand::Paste);
    checkFigures(window);
    editor.sendEditCommand(SourceEditor::EditCommand::Undo);
    checkFigures(window, CaretLine::MayLag);
}

QTEST_MAIN(TestStatusBar)
#include "tst_statusbar.moc"
