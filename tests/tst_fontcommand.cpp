#include "app/mainwindow.h"
#include "commands/fontcommand.h"
#include "editor/sourceeditor.h"
#include "fakeplatform.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

Q_DECLARE_METATYPE(FontRecord)
Q_DECLARE_METATYPE(FontChoice)

namespace {

FontRecord record(int effects, int offset = 0)
{
    return FontRecord{u"宋体"_qs, 9, offset, effects, FontRecord::automaticColour};
}

FontChoice choice(bool bold, bool italic, bool underline, bool strikeOut)
{
    return FontChoice{u"AR PL UKai CN"_qs, 14, QColor(0x12, 0x34, 0x56), bold, italic, underline,
                      strikeOut};
}

FontRecord chosen(int effects, int offset = 0)
{
    return FontRecord{u"AR PL UKai CN"_qs, 14, offset, effects, 0x563412};
}

// The format of the character at position, read from the document rather than the selection.
QTextCharFormat formatAt(const SourceEditor &editor, int position)
{
    QTextCursor cursor(editor.document());
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

} // namespace

class TestFontCommand : public QObject
{
    Q_OBJECT

private slots:
    void effectBits_data();
    void effectBits();
    void automaticColourStaysAutomatic();
    void appliesToWholeText_data();
    void appliesToWholeText();
    void prefillsFromTextAndRemembersStyles();
    void cancelChangesNothing();
    void saveWritesOnlyText();
};

void TestFontCommand::effectBits_data()
{
    QTest::addColumn<FontRecord>("before");
    QTest::addColumn<FontChoice>("answer");
    QTest::addColumn<FontRecord>("after");

    QTest::newRow("bold") << record(0) << choice(true, false, false, false) << chosen(1);
    QTest::newRow("italic") << record(0) << choice(false, true, false, false) << chosen(2);
    QTest::newRow("underline") << record(0) << choice(false, false, true, false) << chosen(4);
    QTest::newRow("bold over italic") << record(0) << choice(true, true, false, false) << chosen(1);
    QTest::newRow("bold over all") << record(0) << choice(true, true, true, true) << chosen(1);
    QTest::newRow("italic over underline")
        << record(0) << choice(false, true, true, false) << chosen(2);
    QTest::newRow("strike-out alone") << record(0) << choice(false, false, false, true) << chosen(0);
    QTest::newRow("bold again stays bold")
        << record(1) << choice(true, false, false, false) << chosen(1);
    QTest::newRow("bold added to italic")
        << record(2) << choice(true, false, false, false) << chosen(3);
    QTest::newRow("nothing chosen clears nothing")
        << record(1 | 2 | 4 | 8) << choice(false, false, false, false) << chosen(1 | 2 | 4 | 8);
    QTest::newRow("protected kept") << record(16) << choice(false, false, true, false) << chosen(20);
    QTest::newRow("offset kept") << record(0, -3) << choice(true, false, false, false)
                                 << chosen(1, -3);
}

void TestFontCommand::effectBits()
{
    QFETCH(FontRecord, before);
    QFETCH(FontChoice, answer);
    QFETCH(FontRecord, after);
    QCOMPARE(withFontChoice(before, answer), after);
}

void TestFontCommand::automaticColourStaysAutomatic()
{
    FontChoice automatic = choice(false, false, false, false);
    automatic.colour = QColor();
    QCOMPARE(withFontChoice(record(0), automatic).colour, FontRecord::automaticColour);
}

void TestFontCommand::appliesToWholeText_data()
{
    QTest::addColumn<int>("effectsBefore");
    QTest::addColumn<FontChoice>("answer");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<bool>("strikeOut");

    QTest::newRow("bold and italic chosen") << 0 << choice(true, true, false, false)
                                            << true << false << false;
    QTest::newRow("strike-out alone") << 0 << choice(false, false, false, true)
                                      << false << false << false;
    QTest::newRow("bold on italic text") << int(FontRecord::Italic)
                                         << choice(true, false, false, false)
                                         << true << true << false;
}

void TestFontCommand::appliesToWholeText()
{
    QFETCH(int, effectsBefore);
    QFETCH(FontChoice, answer);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    QFETCH(bool, strikeOut);

    FakePlatform platform;
    MainWindow window(platform);
    SourceEditor &editor = window.editor();
    editor.replaceAllText(u"abc\r\ndef"_qs);
    if (effectsBefore) {
        editor.selectAllText();
        editor.setSelectionFormat(record(effectsBefore));
    }
    QTextCursor caret = editor.textCursor();
    caret.setPosition(2);
    editor.setTextCursor(caret);

    platform.fonts.push_back(answer);
    window.commands().run(u"font"_qs);

    QCOMPARE(editor.selectionLength(), 7);
    QCOMPARE(editor.getAllText(), u"abc\r\ndef"_qs);
    for (int position : {0, 2, 4, 6}) {
        const QTextCharFormat format = formatAt(editor, position);
        QCOMPARE(format.fontFamilies().toStringList(), QStringList{u"AR PL UKai CN"_qs});
        QCOMPARE(format.fontPointSize(), 14.0);
        QCOMPARE(format.foreground().color(), QColor(0x12, 0x34, 0x56));
        QCOMPARE(format.fontWeight() == QFont::Bold, bold);
        QCOMPARE(format.fontItalic(), italic);
        QCOMPARE(format.fontUnderline(), false);
        QCOMPARE(format.fontStrikeOut(), strikeOut);
    }
    QCOMPARE(window.mainFileDialog().kind(), MainFileDialog::Kind::Font);
}

void TestFontCommand::prefillsFromTextAndRemembersStyles()
{
    FakePlatform platform;
    MainWindow window(platform);
    window.editor().replaceAllText(u"abc"_qs);

    platform.fonts.push_back(choice(true, false, true, true));
    window.commands().run(u"font"_qs);
    platform.fonts.push_back(std::nullopt);
    window.commands().run(u"font"_qs);
    window.commands().run(u"font"_qs);

    QCOMPARE(platform.fontRequests.size(), 3);
    // First use: the text's design font, automatic colour, no style chosen yet.
    QCOMPARE(platform.fontRequests[0], (FontChoice{u"宋体"_qs, 9, QColor(), false, false, false,
                                                   false}));
    // Later uses: face, size and colour from the text; the styles the last OK chose, which a
    // cancel does not change.
    const FontChoice remembered{u"AR PL UKai CN"_qs, 14, QColor(0x12, 0x34, 0x56), true, false,
                                true, true};
    QCOMPARE(platform.fontRequests[1], remembered);
    QCOMPARE(platform.fontRequests[2], remembered);
}

void TestFontCommand::cancelChangesNothing()
{
    FakePlatform platform;
    MainWindow window(platform);
    SourceEditor &editor = window.editor();
    editor.replaceAllText(u"abc\r\ndef"_qs);
    const FontRecord before = editor.getSelectionFormat();

    window.commands().run(u"font"_qs);

    QCOMPARE(platform.fontRequests.size(), 1);
    QCOMPARE(editor.getAllText(), u"abc\r\ndef"_qs);
    QCOMPARE(editor.selectionLength(), 7);
    QCOMPARE(editor.getSelectionFormat(), before);
    QCOMPARE(formatAt(editor, 0).hasProperty(QTextFormat::FontWeight), false);
}

void TestFontCommand::saveWritesOnlyText()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(u"page.html"_qs);
    FakePlatform platform;
    MainWindow window(platform);
    window.editor().replaceAllText(u"abc\r\n中文"_qs);

    platform.fonts.push_back(choice(true, false, false, false));
    window.commands().run(u"font"_qs);
    platform.files.push_back(path);
    window.commands().run(u"save"_qs);

    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), QByteArray("abc\r\n\xD6\xD0\xCE\xC4"));
}

QTEST_MAIN(TestFontCommand)
#include "tst_fontcommand.moc"
