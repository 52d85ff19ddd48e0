#include "app/mainwindow.h"
#include "editor/sourceeditor.h"
#include "fakeplatform.h"
#include "snippets/referencepanel.h"

#include <QApplication>
#include <QListWidget>
#include <QTest>

#include <memory>

namespace {

const QString textBefore = u"before "_qs;
const QString selectedText = u"XYZ"_qs;
const QString textAfter = u" after"_qs;

// What a real double-click delivers to a widget: press, release, double-click, release.
void doubleClick(QWidget *widget, QPoint position)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, position);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, position);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, position);
}

} // namespace

class TestReferencePanel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsOnIhtmlPageWithNoCurrentEntry();
    void commandShowsPage_data();
    void commandShowsPage();
    void doubleClickInsertsEntry_data();
    void doubleClickInsertsEntry();
    void entriesFollowOneAnother();
    void doubleClickBelowTheEntries_data();
    void doubleClickBelowTheEntries();
    void noCurrentEntryInsertsNothing();

private:
    QListWidget *showList(ReferencePanel::Page page);
    void doubleClickEntry(QListWidget *list, int row);
    void selectMiddleWord();

    FakePlatform m_platform;
    std::unique_ptr<MainWindow> m_window;
};

void TestReferencePanel::init()
{
    m_window = std::make_unique<MainWindow>(m_platform);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestReferencePanel::cleanup()
{
    m_window.reset();
}

QListWidget *TestReferencePanel::showList(ReferencePanel::Page page)
{
    ReferencePanel &panel = m_window->referencePanel();
    panel.setCurrentIndex(page);
    QApplication::processEvents();
    return panel.list(page);
}

void TestReferencePanel::doubleClickEntry(QListWidget *list, int row)
{
    QListWidgetItem *item = list->item(row);
    list->scrollToItem(item);
    doubleClick(list->viewport(), list->visualItemRect(item).center());
}

void TestReferencePanel::selectMiddleWord()
{
    SourceEditor &editor = m_window->editor();
    editor.replaceAllText(textBefore + selectedText + textAfter);
    QTextCursor cursor = editor.textCursor();
    cursor.setPosition(textBefore.size());
    cursor.setPosition(textBefore.size() + selectedText.size(), QTextCursor::KeepAnchor);
    editor.setTextCursor(cursor);
}

void TestReferencePanel::startsOnIhtmlPageWithNoCurrentEntry()
{
    ReferencePanel &panel = m_window->referencePanel();
    QCOMPARE(panel.currentIndex(), int(ReferencePanel::Ihtml));
    QCOMPARE(panel.tabText(panel.currentIndex()), u"ihtml"_qs);
    for (int page = 0; page < ReferencePanel::PageCount; ++page)
        QCOMPARE(panel.list(ReferencePanel::Page(page))->currentRow(), -1);
}

void TestReferencePanel::commandShowsPage_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("listName");
    QTest::newRow("vb") << u"reference.vb"_qs << 0 << u"vbKeywordList"_qs;
    QTest::newRow("html") << u"reference.html"_qs << 1 << u"htmlTagList"_qs;
    QTest::newRow("ihtml") << u"reference.ihtml"_qs << 2 << u"ihtmlTagList"_qs;
    QTest::newRow("asp") << u"reference.asp"_qs << 3 << u"aspVariableList"_qs;
}

void TestReferencePanel::commandShowsPage()
{
    QFETCH(QString, command);
    QFETCH(int, page);
    QFETCH(QString, listName);
    ReferencePanel &panel = m_window->referencePanel();
    panel.list(ReferencePanel::Html)->setCurrentRow(5);
    const QString textBeforeCommand = m_window->editor().getAllText();

    m_window->commands().run(command);

    QCOMPARE(panel.currentIndex(), page);
    QVERIFY(panel.currentWidget()->findChild<QListWidget *>(listName));
    QCOMPARE(panel.list(ReferencePanel::Html)->currentRow(), 5);
    QCOMPARE(m_window->editor().getAllText(), textBeforeCommand);
}

void TestReferencePanel::doubleClickInsertsEntry_data()
{
    QTest::addColumn<int>("list");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("text");
    QTest::newRow("VbKeywordList 1") << 0 << 1 << u"\")"_qs;
    QTest::newRow("VbKeywordList 6") << 0 << 6 << u"="_qs;
    QTest::newRow("VbKeywordList 138") << 0 << 138 << u"write"_qs;
    QTest::newRow("HtmlTagList 2") << 1 << 2 << u"<a href=\"http://\" target=\"_Blank\" ></a>"_qs;
    QTest::newRow("HtmlTagList 61") << 1 << 61 << u"<a href=\"mailto:name@example.com\">name@example.com</a>"_qs;
    QTest::newRow("HtmlTagList 63") << 1 << 63 << u"<marquee  direction=left  behaviour= slide >text</marquee>"_qs;
    QTest::newRow("HtmlTagList 108") << 1 << 108 << u"<xmp></xmp>"_qs;
    QTest::newRow("IhtmlTagList 1") << 2 << 1 << u"<!ihtml>"_qs;
    QTest::newRow("IhtmlTagList 136") << 2 << 136 << u"<iset>"_qs;
    QTest::newRow("IhtmlTagList 187") << 2 << 187 << u"<iwhile></iwhile>"_qs;
    QTest::newRow("AspVariableList 1") << 3 << 1 << u"HTTP_REFERER"_qs;
    QTest::newRow("AspVariableList 21") << 3 << 21 << u"SERVER_SOFTWARE"_qs;
}

void TestReferencePanel::doubleClickInsertsEntry()
{
    QFETCH(int, list);
    QFETCH(int, number);
    QFETCH(QString, text);
    QListWidget *widget = showList(ReferencePanel::Page(list));
    selectMiddleWord();

    doubleClickEntry(widget, number - 1);

    SourceEditor &editor = m_window->editor();
    QCOMPARE(editor.getAllText(), textBefore + text + textAfter);
    QCOMPARE(editor.textCursor().position(), (textBefore + text).size());
}

void TestReferencePanel::entriesFollowOneAnother()
{
    m_window->editor().replaceAllText(QString());
    QListWidget *vb = showList(ReferencePanel::Vb);
    doubleClickEntry(vb, 4);
    doubleClickEntry(vb, 5);
    QListWidget *asp = showList(ReferencePanel::Asp);
    doubleClickEntry(asp, 0);

    QCOMPARE(m_window->editor().getAllText(), u"<%=HTTP_REFERER"_qs);
}

void TestReferencePanel::doubleClickBelowTheEntries_data()
{
    QTest::addColumn<int>("list");
    QTest::addColumn<QString>("inserted");
    // "vb" and "html" insert their current entry; "ihtml" and "asp" want a double-click on an entry.
    QTest::newRow("vb") << 0 << u"Eof"_qs;
    QTest::newRow("html") << 1 << u"<br>"_qs;
    QTest::newRow("ihtml") << 2 << selectedText;
    QTest::newRow("asp") << 3 << selectedText;
}

void TestReferencePanel::doubleClickBelowTheEntries()
{
    QFETCH(int, list);
    QFETCH(QString, inserted);
    QListWidget *widget = showList(ReferencePanel::Page(list));
    widget->setCurrentRow(list == ReferencePanel::Html ? 18 : 6);
    // Taller than all its entries, so there is empty space below the last one.
    widget->resize(widget->width(), 5000);
    widget->scrollToTop();
    const QPoint belowEntries(20, widget->viewport()->height() - 5);
    QVERIFY(!widget->itemAt(belowEntries));
    selectMiddleWord();

    doubleClick(widget->viewport(), belowEntries);

    QCOMPARE(m_window->editor().getAllText(), textBefore + inserted + textAfter);
}

void TestReferencePanel::noCurrentEntryInsertsNothing()
{
    QListWidget *vb = showList(ReferencePanel::Vb);
    QCOMPARE(vb->currentRow(), -1);
    vb->resize(vb->width(), 5000);
    const QPoint belowEntries(20, vb->viewport()->height() - 5);
    selectMiddleWord();

    doubleClick(vb->viewport(), belowEntries);

    // The empty text replaces the selection, as any inserted text would.
    QCOMPARE(m_window->editor().getAllText(), textBefore + textAfter);
}

QTEST_MAIN(TestReferencePanel)
#include "tst_referencepanel.moc"
