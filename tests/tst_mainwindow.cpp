#include "app/fonts.h"
#include "app/layout.h"
#include "app/mainwindow.h"
#include "document/documentcommands.h"
#include "document/pagecodec.h"
#include "editor/sourceeditor.h"
#include "fakeplatform.h"
#include "snippets/markuptoolbar.h"
#include "snippets/referencepanel.h"

#include <QClipboard>
#include <QFile>
#include <QFontDatabase>
#include <QListWidget>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void startsWithTheStartPage();
    void designSettings();
    void designFacesAreInstalled_data();
    void designFacesAreInstalled();
    void editorBoundarySpeaksCrLf_data();
    void editorBoundarySpeaksCrLf();
    void layoutRule_data();
    void layoutRule();
    void resizingAppliesTheLayout();
    void closing_data();
    void closing();
    void closingAfterAConfirmedSaveWritesTheText();
};

static const QString startPageText = u"<html>\r\n<head>\r\n"
    u"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">\r\n"
    u"<meta name=\"GENERATOR\" content=\"mq\">\r\n"
    u"<meta http-equiv=\"ProgId\" content=\"mq.Editor.Document\">\r\n"
    u"<title>New Page 1</title>\r\n</head>\r\n\r\n<body>\r\n\r\n</body>\r\n</html>\r\n"_qs;

void TestMainWindow::startsWithTheStartPage()
{
    FakePlatform platform;
    MainWindow window(platform);
    QCOMPARE(window.windowTitle(), u"砚舟网页开发系统"_qs);
    QCOMPARE(window.editor().getAllText(), startPageText);
    QCOMPARE(PageCodec::encode(window.editor().plainText()).size(), 247);
    QCOMPARE(window.editor().lineCount(), 13);
    QCOMPARE(window.editor().caretLineIndex(), 12);
    QCOMPARE(window.editor().textCursor().position(), window.editor().document()->characterCount() - 1);
    QVERIFY(window.document().documentModified());
    QCOMPARE(window.size(), QSize(702, 551));
}

void TestMainWindow::designSettings()
{
    FakePlatform platform;
    MainWindow window(platform);
    const SourceEditor &editor = window.editor();
    QCOMPARE(editor.palette().color(QPalette::Base), QColor(255, 168, 255));
    QCOMPARE(editor.font().family(), u"宋体"_qs);
    QCOMPARE(editor.font().pointSize(), 9);
    QCOMPARE(editor.lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(editor.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QVERIFY(!editor.isReadOnly());
    QCOMPARE(editor.palette().color(QPalette::Inactive, QPalette::Highlight).alpha(), 0);
    QCOMPARE(editor.geometry().topLeft(), QPoint(160, 64));

    const MarkupToolbar &toolbar = window.markupToolbar();
    QStringList titles;
    for (int i = 0; i < toolbar.count(); ++i)
        titles << toolbar.tabText(i);
    QCOMPARE(titles, (QStringList{u"常用"_qs, u"文本"_qs, u"表单"_qs, u"特殊字符"_qs, u"媒体"_qs}));
    QCOMPARE(toolbar.currentIndex(), 0);

    const ReferencePanel &panel = window.referencePanel();
    QStringList pages;
    for (int i = 0; i < panel.count(); ++i)
        pages << panel.tabText(i);
    QCOMPARE(pages, (QStringList{u"vb"_qs, u"html"_qs, u"ihtml"_qs, u"asp"_qs}));
    QCOMPARE(panel.currentIndex(), int(ReferencePanel::Ihtml));
    QCOMPARE(panel.list(ReferencePanel::Ihtml)->y(), 8);
    QCOMPARE(panel.list(ReferencePanel::Vb)->y(), 0);
}

void TestMainWindow::designFacesAreInstalled_data()
{
    QTest::addColumn<QString>("face");
    QTest::newRow("song") << u"宋体"_qs;
    QTest::newRow("kai") << u"楷体_GB2312"_qs;
}

void TestMainWindow::designFacesAreInstalled()
{
    QFETCH(QString, face);
    installDesignFontSubstitutions();
    const QFontInfo shown(QFont(face, 9));
    QVERIFY2(QFontDatabase::families().contains(shown.family()), qPrintable(shown.family()));
    QVERIFY2(QFontMetrics(QFont(face, 9)).inFont(u'砚'), qPrintable(shown.family()));
}

void TestMainWindow::editorBoundarySpeaksCrLf_data()
{
    QTest::addColumn<QString>("inserted");
    QTest::addColumn<bool>("pasted");
    QTest::addColumn<int>("lines");
    QTest::newRow("crlf") << u"a\r\nb\r\n"_qs << false << 3;
    QTest::newRow("lone cr and lf") << u"a\rb\nc"_qs << false << 3;
    QTest::newRow("pasted crlf") << u"a\r\nb"_qs << true << 2;
    QTest::newRow("pasted line separator") << u"a\u2028b\u2029c"_qs << true << 3;
}

void TestMainWindow::editorBoundarySpeaksCrLf()
{
    QFETCH(QString, inserted);
    QFETCH(bool, pasted);
    QFETCH(int, lines);
    FakePlatform platform;
    MainWindow window(platform);
    SourceEditor &editor = window.editor();
    editor.replaceAllText(QString());
    if (pasted) {
        QGuiApplication::clipboard()->setText(inserted);
        editor.sendEditCommand(SourceEditor::EditCommand::Paste);
    } else {
        editor.insertAtSelection(inserted);
    }
    QCOMPARE(editor.lineCount(), lines);
    QCOMPARE(editor.getAllText().count(u"\r\n"_qs), lines - 1);
    QVERIFY(!editor.getAllText().remove(u"\r\n"_qs).contains(u'\r'));
    QCOMPARE(editor.caretLineIndex(), lines - 1);
}

void TestMainWindow::layoutRule_data()
{
    QTest::addColumn<QSize>("outer");
    QTest::addColumn<int>("toolbarWidth");
    QTest::addColumn<QSize>("editor");
    QTest::addColumn<int>("listHeight");
    QTest::newRow("design size") << QSize(702, 551) << 694 << QSize(534, 422) << 381;
    QTest::newRow("100 wider") << QSize(802, 551) << 794 << QSize(634, 422) << 381;
    QTest::newRow("100 taller") << QSize(702, 651) << 694 << QSize(534, 522) << 481;
    QTest::newRow("smaller than the margins") << QSize(100, 150) << 92 << QSize(0, 21) << 0;
    QTest::newRow("nothing left") << QSize(0, 0) << 0 << QSize(0, 0) << 0;
}

void TestMainWindow::layoutRule()
{
    QFETCH(QSize, outer);
    QFETCH(int, toolbarWidth);
    QFETCH(QSize, editor);
    QFETCH(int, listHeight);
    const MainWindowLayout layout = layoutMainWindow(outer);
    QCOMPARE(layout.toolbarWidth, toolbarWidth);
    QCOMPARE(layout.editorSize, editor);
    QCOMPARE(layout.referencePanelHeight, editor.height());
    QCOMPARE(layout.referenceListHeight, listHeight);
}

void TestMainWindow::resizingAppliesTheLayout()
{
    FakePlatform platform;
    MainWindow window(platform);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QSize editorBefore = window.editor().size();
    const int toolbarBefore = window.markupToolbar().width();
    const int listBefore = window.referencePanel().list(ReferencePanel::Vb)->height();
    QCOMPARE(editorBefore, layoutMainWindow(window.frameGeometry().size()).editorSize);

    window.resize(window.size() + QSize(100, 100));
    QTRY_COMPARE(window.editor().size(), editorBefore + QSize(100, 100));
    QCOMPARE(window.markupToolbar().width(), toolbarBefore + 100);
    QCOMPARE(window.referencePanel().height(), editorBefore.height() + 100);
    for (int page = 0; page < ReferencePanel::PageCount; ++page)
        QCOMPARE(window.referencePanel().list(ReferencePanel::Page(page))->height(), listBefore + 100);
    QCOMPARE(window.editor().pos(), QPoint(160, 64));
    QCOMPARE(window.markupToolbar().height(), 64);
}

void TestMainWindow::closing_data()
{
    QTest::addColumn<QList<Answer>>("answers");
    QTest::addColumn<bool>("saveDialogAnswered");
    QTest::addColumn<bool>("closes");
    QTest::newRow("no") << QList<Answer>{Answer::No} << false << true;
    QTest::newRow("cancel keeps the window") << QList<Answer>{Answer::Cancel} << false << false;
    QTest::newRow("yes, then the save dialog cancelled") << QList<Answer>{Answer::Yes} << false << false;
}

void TestMainWindow::closing()
{
    QFETCH(QList<Answer>, answers);
    QFETCH(bool, closes);
    FakePlatform platform;
    platform.answers.assign(answers.begin(), answers.end());
    MainWindow window(platform);
    window.show();
    window.editor().insertAtSelection(u"typed"_qs);
    const QString before = window.editor().getAllText();
    QCOMPARE(window.close(), closes);
    QCOMPARE(platform.questions.size(), 1);
    QCOMPARE(platform.questions[0].caption, u"询问"_qs);
    QCOMPARE(platform.questions[0].text, u"文件已经被修改，是否保存？"_qs);
    QCOMPARE(window.isVisible(), !closes);
    QCOMPARE(window.editor().getAllText(), before);
}

void TestMainWindow::closingAfterAConfirmedSaveWritesTheText()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"page.html"_qs);
    FakePlatform platform;
    platform.answers = {Answer::Yes};
    platform.files = {path};
    MainWindow window(platform);
    window.show();
    QVERIFY(window.close());
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), startPageText.toLatin1());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
