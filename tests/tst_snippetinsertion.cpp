#include "app/mainwindow.h"
#include "editor/sourceeditor.h"
#include "fakeplatform.h"
#include "snippets/markuptoolbar.h"
#include "snippets/snippettables.h"

#include <QApplication>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

const QString textBefore = u"before "_qs;
const QString selectedText = u"XYZ"_qs;
const QString textAfter = u" after"_qs;

// What a real double-click delivers to a widget: press, release, double-click, release.
void doubleClick(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton);
    QTest::mouseDClick(widget, Qt::LeftButton);
    QTest::mouseRelease(widget, Qt::LeftButton);
}

// The caret position once the text up to it is in the editor, where a line break is one character.
int caretAfter(const QString &text)
{
    return QString(text).replace(u"\r\n"_qs, u"\n"_qs).size();
}

} // namespace

class TestSnippetInsertion : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void toolbarStartsOnCommonPage();
    void buttonsStandAtTheirPlaces();
    void buttonsShowTheirDesign();
    void insertingButtonReplacesSelection_data();
    void insertingButtonReplacesSelection();
    void dialogButtonRunsItsCommand_data();
    void dialogButtonRunsItsCommand();
    void doubleClickActsOnce_data();
    void doubleClickActsOnce();
    void clickLeavesFocusInEditor();
    void menuSnippetReplacesSelection_data();
    void menuSnippetReplacesSelection();
    void snippetsFollowOneAnother();

private:
    QToolButton *showButton(const QString &name, int page);
    void selectMiddleWord();

    FakePlatform m_platform;
    std::unique_ptr<MainWindow> m_window;
    QStringList m_commandsRun;
};

void TestSnippetInsertion::init()
{
    m_window = std::make_unique<MainWindow>(m_platform);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_commandsRun.clear();
}

void TestSnippetInsertion::cleanup()
{
    m_window.reset();
}

QToolButton *TestSnippetInsertion::showButton(const QString &name, int page)
{
    MarkupToolbar &toolbar = m_window->markupToolbar();
    toolbar.setCurrentIndex(page);
    QApplication::processEvents();
    return toolbar.findChild<QToolButton *>(name);
}

void TestSnippetInsertion::selectMiddleWord()
{
    SourceEditor &editor = m_window->editor();
    editor.replaceAllText(textBefore + selectedText + textAfter);
    QTextCursor cursor = editor.textCursor();
    cursor.setPosition(textBefore.size());
    cursor.setPosition(textBefore.size() + selectedText.size(), QTextCursor::KeepAnchor);
    editor.setTextCursor(cursor);
}

void TestSnippetInsertion::toolbarStartsOnCommonPage()
{
    QCOMPARE(m_window->markupToolbar().currentWidget()->objectName(), u"commonPage"_qs);
}

void TestSnippetInsertion::buttonsStandAtTheirPlaces()
{
    MarkupToolbar &toolbar = m_window->markupToolbar();
    const auto pages = toolbarPages();
    for (std::size_t page = 0; page < pages.size(); ++page) {
        for (const ToolbarButton &design : pages[page].buttons) {
            QToolButton *button = showButton(QString::fromLatin1(design.name), int(page));
            QVERIFY2(button, design.name);
            QVERIFY(button->isVisible());
            QCOMPARE(button->mapTo(&toolbar, QPoint(0, 0)), QPoint(design.left, 27));
            QCOMPARE(button->size(), QSize(32, 32));
        }
    }
}

void TestSnippetInsertion::buttonsShowTheirDesign()
{
    for (const ToolbarPage &page : toolbarPages()) {
        for (const ToolbarButton &design : page.buttons) {
            const auto *button = m_window->markupToolbar().findChild<QToolButton *>(
                QLatin1StringView(design.name));
            QVERIFY2(button, design.name);
            QCOMPARE(button->text(), QString::fromUtf16(design.caption));
            QCOMPARE(button->toolTip(), QString::fromUtf16(design.tooltip));
            QCOMPARE(button->accessibleName(), QString::fromUtf16(accessibleText(design)));
            QVERIFY(!button->accessibleName().isEmpty());
            QCOMPARE(button->icon().isNull(), design.picture == nullptr);
            if (design.captionFont.face) {
                QCOMPARE(button->font().family(), QString::fromUtf16(design.captionFont.face));
                QCOMPARE(button->font().pixelSize(), design.captionFont.pixelHeight);
                QCOMPARE(button->font().bold(), design.captionFont.bold);
                QCOMPARE(button->font().italic(), design.captionFont.italic);
            }
        }
    }
}

void TestSnippetInsertion::insertingButtonReplacesSelection_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("inserted");
    QTest::newRow("tableButton") << 0 << u"<table border=\"\" align=\"\" width=\"\" height=\"\" cellspacing=\"\" cellpadding=\"\" bgcolor=\"\" bordercolor=\"\">\r\n"
            u"<tr bgcolor=\"\">\r\n"
            u"<td>\"1-1\"</td>\r\n"
            u"</tr>\r\n"
            u"</table>"_qs;
    QTest::newRow("horizontalRuleButton") << 0 << u"<hr>"_qs;
    QTest::newRow("commentButton") << 0 << u"<!--       -->"_qs;
    QTest::newRow("boldButton") << 1 << u"<strong></strong>"_qs;
    QTest::newRow("italicButton") << 1 << u"<em></em>"_qs;
    QTest::newRow("strongButton") << 1 << u"<strong></strong>"_qs;
    QTest::newRow("emphasisButton") << 1 << u"<em></em>"_qs;
    QTest::newRow("paragraphButton") << 1 << u"<p></p>"_qs;
    QTest::newRow("blockquoteButton") << 1 << u"<blockquote></blockquote>"_qs;
    QTest::newRow("preformattedButton") << 1 << u"<pre></pre>"_qs;
    QTest::newRow("heading1Button") << 1 << u"<h1></h1>"_qs;
    QTest::newRow("heading2Button") << 1 << u"<h2></h2>"_qs;
    QTest::newRow("heading3Button") << 1 << u"<h3></h3>"_qs;
    QTest::newRow("unorderedListButton") << 1 << u"<ul></ul>"_qs;
    QTest::newRow("orderedListButton") << 1 << u"<ol></ol>"_qs;
    QTest::newRow("listItemButton") << 1 << u"<li></li>"_qs;
    QTest::newRow("definitionListButton") << 1 << u"<dl></dl>"_qs;
    QTest::newRow("definitionTermButton") << 1 << u"<dt></dt>"_qs;
    QTest::newRow("definitionDescriptionButton") << 1 << u"<dd></dd>"_qs;
    QTest::newRow("radioButton") << 2 << u"<input type=\"radio\" value=\"V1\" checked name=\"R1\">"_qs;
    QTest::newRow("checkboxButton") << 2 << u"<input type=\"checkbox\" value=\"ON\" checked name=\"C1\">"_qs;
    QTest::newRow("trademarkButton") << 3 << u"&#8482;"_qs;
    QTest::newRow("registeredButton") << 3 << u"&reg;"_qs;
    QTest::newRow("copyrightButton") << 3 << u"&copy;"_qs;
    QTest::newRow("pilcrowButton") << 3 << u"&para;"_qs;
    QTest::newRow("poundButton") << 3 << u"&pound;"_qs;
    QTest::newRow("centButton") << 3 << u"&cent;"_qs;
    QTest::newRow("yenButton") << 3 << u"&yen;"_qs;
    QTest::newRow("sectionButton") << 3 << u"&sect;"_qs;
    QTest::newRow("perMilleButton") << 3 << u"&#8240;"_qs;
}

void TestSnippetInsertion::insertingButtonReplacesSelection()
{
    QFETCH(int, page);
    QFETCH(QString, inserted);
    QToolButton *button = showButton(QString::fromLatin1(QTest::currentDataTag()), page);
    QVERIFY(button);
    selectMiddleWord();

    QTest::mouseClick(button, Qt::LeftButton);

    SourceEditor &editor = m_window->editor();
    QCOMPARE(editor.getAllText(), textBefore + inserted + textAfter);
    QCOMPARE(editor.textCursor().position(), caretAfter(textBefore + inserted));
    QCOMPARE(editor.selectionLength(), 0);
}

void TestSnippetInsertion::dialogButtonRunsItsCommand_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("command");
    QTest::newRow("hyperlinkButton") << 0 << u"dialog.hyperlink"_qs;
    QTest::newRow("emailButton") << 0 << u"dialog.email"_qs;
    QTest::newRow("anchorButton") << 0 << u"dialog.anchor"_qs;
    QTest::newRow("imageButton") << 0 << u"dialog.image"_qs;
    QTest::newRow("flashButton") << 0 << u"dialog.flash"_qs;
    QTest::newRow("scriptButton") << 0 << u"dialog.script"_qs;
    QTest::newRow("dateButton") << 0 << u"dialog.date"_qs;
    QTest::newRow("formButton") << 2 << u"dialog.form"_qs;
    QTest::newRow("pushButton") << 2 << u"dialog.button"_qs;
    QTest::newRow("textFieldButton") << 2 << u"dialog.textField"_qs;
    QTest::newRow("dropDownButton") << 2 << u"dialog.dropDown"_qs;
    QTest::newRow("groupBoxButton") << 2 << u"dialog.label"_qs;
    QTest::newRow("mediaFlashButton") << 4 << u"dialog.flash"_qs;
    QTest::newRow("mediaPlayerButton") << 4 << u"dialog.media"_qs;
    QTest::newRow("backgroundMusicButton") << 4 << u"dialog.backgroundMusic"_qs;
}

void TestSnippetInsertion::dialogButtonRunsItsCommand()
{
    QFETCH(int, page);
    QFETCH(QString, command);
    m_window->commands().define(command, [this, command] { m_commandsRun << command; });
    QToolButton *button = showButton(QString::fromLatin1(QTest::currentDataTag()), page);
    QVERIFY(button);
    const QString textBeforeClick = m_window->editor().getAllText();

    QTest::mouseClick(button, Qt::LeftButton);

    QCOMPARE(m_commandsRun, QStringList{command});
    QCOMPARE(m_window->editor().getAllText(), textBeforeClick);
}

void TestSnippetInsertion::doubleClickActsOnce_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("inserted");
    QTest::addColumn<QStringList>("commands");
    QTest::newRow("insert") << u"boldButton"_qs << 1 << u"<strong></strong>"_qs << QStringList();
    QTest::newRow("special character") << u"perMilleButton"_qs << 3 << u"&#8240;"_qs << QStringList();
    QTest::newRow("dialog") << u"hyperlinkButton"_qs << 0 << QString()
                            << QStringList{u"dialog.hyperlink"_qs};
}

void TestSnippetInsertion::doubleClickActsOnce()
{
    QFETCH(QString, button);
    QFETCH(int, page);
    QFETCH(QString, inserted);
    QFETCH(QStringList, commands);
    for (const QString &command : commands)
        m_window->commands().define(command, [this, command] { m_commandsRun << command; });
    QToolButton *widget = showButton(button, page);
    QVERIFY(widget);
    m_window->editor().replaceAllText(QString());

    doubleClick(widget);

    QCOMPARE(m_window->editor().getAllText(), inserted);
    QCOMPARE(m_commandsRun, commands);
}

void TestSnippetInsertion::clickLeavesFocusInEditor()
{
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_window->editor().setFocus();
    QToolButton *button = showButton(u"boldButton"_qs, 1);
    QVERIFY(button);

    QTest::mouseClick(button, Qt::LeftButton);

    QCOMPARE(QApplication::focusWidget(), &m_window->editor());
}

void TestSnippetInsertion::menuSnippetReplacesSelection_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("inserted");
    QTest::newRow("horizontalRule") << u"snippet.horizontalRule"_qs
        << u"<hr>"_qs;
    QTest::newRow("editCss") << u"snippet.editCss"_qs
        << u"<style type=\"text/css\">"
            u"/*<![CDATA[*/"
            u"/*]]>*/"
            u"</style>"_qs;
    QTest::newRow("table") << u"snippet.table"_qs
        << u"<table border=\"\" align=\"\" width=\"\" height=\"\" cellspacing=\"\" cellpadding=\"\" bgcolor=\"\" bordercolor=\"\">\r\n"
            u"<tr bgcolor=\"\">\r\n"
            u"<td>\"1-1\"</td>\r\n"
            u"</tr>\r\n"
            u"</table>"_qs;
    QTest::newRow("tableRow") << u"snippet.tableRow"_qs
        << u"<TR></TR>"_qs;
    QTest::newRow("tableHeader") << u"snippet.tableHeader"_qs
        << u"<TH></TH>"_qs;
    QTest::newRow("tableCell") << u"snippet.tableCell"_qs
        << u"<TD></TD>"_qs;
    QTest::newRow("checkbox") << u"snippet.checkbox"_qs
        << u"<input type=\"checkbox\" value=\"ON\" checked name=\"C1\">"_qs;
    QTest::newRow("radio") << u"snippet.radio"_qs
        << u"<input type=\"radio\" value=\"V1\" checked name=\"R1\">"_qs;
    QTest::newRow("noscript") << u"snippet.noscript"_qs
        << u"<noscript></noscript>"_qs;
    QTest::newRow("timeTag") << u"snippet.timeTag"_qs
        << u"<!--%TimeStamp%-->2005-05-31 21:31<!---->"_qs;
    QTest::newRow("addFavourite") << u"snippet.addFavourite"_qs
        << u"<a href=javascript:void(0);onclick=window.external.AddFavorite(\"http://www.example.com/\",\"墨桥开发系统\");>[加入收藏]</a>"_qs;
    QTest::newRow("setHomePage") << u"snippet.setHomePage"_qs
        << u"<a href style=\"cursor:hand\" onClick=\"this.style.behavior='url(#default#homepage)';this.setHomePage('http://www.example.com/');\">设为首页</a>"_qs;
    QTest::newRow("resizeWindow") << u"snippet.resizeWindow"_qs
        << u"<input type=button value=调节到宽200高300 onclick=window.resizeTo(200,300)>"_qs;
    QTest::newRow("ieButtons") << u"snippet.ieButtons"_qs
        << u"<input type=button value=后退 onclick=history.go(-1)><input type=button value=刷新 onclick=history.go(-0)><input type=button value=前进 onclick=history.go(+1)>"_qs;
    QTest::newRow("greeting") << u"snippet.greeting"_qs
        << u"<script language=\"javaScript\">\r\n"
            u"<!--\r\n"
            u"now = new Date(),hour = now.getHours()\r\n"
            u"if(hour < 6){document.write(\"凌晨好!\")}\r\n"
            u"else if (hour < 9){document.write(\"早上好!\")}\r\n"
            u"else if (hour < 12){document.write(\"上午好!\")}\r\n"
            u"else if (hour < 14){document.write(\"中午好!\")}\r\n"
            u"else if (hour < 17){document.write(\"下午好!\")}\r\n"
            u"else if (hour < 19){document.write(\"傍晚好!\")}\r\n"
            u"else if (hour < 22){document.write(\"晚上好!\")}\r\n"
            u"else {document.write(\"夜里好!\")}\r\n"
            u"// -->\r\n"
            u"</script>\r\n"_qs;
    QTest::newRow("backForward") << u"snippet.backForward"_qs
        << u"<FORM>\r\n"
            u"<INPUT TYPE=\"button\" VALUE=\"<<后退\" onClick=\"history.go(-1)\">\r\n"
            u"<INPUT TYPE=\"button\" VALUE=\"前进>>\" onClick=\"history.go(1)\">\r\n"
            u"</FORM>"_qs;
    QTest::newRow("detectBrowser") << u"snippet.detectBrowser"_qs
        << u"<script>document.write(\"当前浏览器：\"+navigator.appName+\" \"+navigator.appVersion);</script>"_qs;
    QTest::newRow("preventFraming") << u"snippet.preventFraming"_qs
        << u"<SCRIPT LANGUAGE=JAVASCRIPT>\r\n"
            u"if (top.location !== self.location)\r\n"
            u"{\r\n"
            u"top.location=self.location;\r\n"
            u"}\r\n"
            u"</SCRIPT>\r\n"_qs;
    QTest::newRow("scrollbarColours") << u"snippet.scrollbarColours"_qs
        << u"<style>\r\n"
            u"BODY {\r\n"
            u"SCROLLBAR-FACE-COLOR: #80EE80;\r\n"
            u"SCROLLBAR-HIGHLIGHT-COLOR: #C0C0C0;\r\n"
            u"SCROLLBAR-SHADOW-COLOR: #A0A0A0;\r\n"
            u"SCROLLBAR-3DLIGHT-COLOR: #C0FFC0;\r\n"
            u"SCROLLBAR-DARKSHADOW-COLOR: #C0FFC0;\r\n"
            u"SCROLLBAR-ARROW-COLOR: #108810;\r\n"
            u"SCROLLBAR-TRACK-COLOR: #C0FFC0;\r\n"
            u"SCROLLBAR-BASE-COLOR: #000000;\r\n"
            u"}\r\n"
            u"</style>\r\n"_qs;
    QTest::newRow("selectWhere") << u"snippet.selectWhere"_qs
        << u"SELECT*FROM..WHERE"_qs;
    QTest::newRow("selectLike") << u"snippet.selectLike"_qs
        << u"SELECT*FROM..WHERE..LIKE"_qs;
    QTest::newRow("selectIn") << u"snippet.selectIn"_qs
        << u"SELECT*FROM..WHERE..IN"_qs;
    QTest::newRow("selectBetween") << u"snippet.selectBetween"_qs
        << u"SELECT*FROM..WHERE..BETWEEN"_qs;
    QTest::newRow("orderAscending") << u"snippet.orderAscending"_qs
        << u"SELECT*FROM 表 ORDER BY 字段 ASC"_qs;
    QTest::newRow("orderDescending") << u"snippet.orderDescending"_qs
        << u"SELECT*FROM 表 ORDER BY 字段 DESC"_qs;
    QTest::newRow("insertRecord") << u"snippet.insertRecord"_qs
        << u"INSERT INTO 表名称 (字段1,字段2,字段3,...)VALUES(数据1,数据2,数据3,...)"_qs;
    QTest::newRow("updateRecord") << u"snippet.updateRecord"_qs
        << u"UPDATE 表名称 SET 字段1=数据1,字段2=数据2 WHERE 条件"_qs;
    QTest::newRow("deleteRecord") << u"snippet.deleteRecord"_qs
        << u"DELETE*FROM 表名称 WHERE 条件"_qs;
}

void TestSnippetInsertion::menuSnippetReplacesSelection()
{
    QFETCH(QString, command);
    QFETCH(QString, inserted);
    selectMiddleWord();

    m_window->commands().run(command);

    SourceEditor &editor = m_window->editor();
    QCOMPARE(editor.getAllText(), textBefore + inserted + textAfter);
    QCOMPARE(editor.textCursor().position(), caretAfter(textBefore + inserted));
}

void TestSnippetInsertion::snippetsFollowOneAnother()
{
    SourceEditor &editor = m_window->editor();
    editor.replaceAllText(QString());
    QToolButton *bold = showButton(u"boldButton"_qs, 1);
    QVERIFY(bold);

    m_window->commands().run(u"snippet.tableCell"_qs);
    QTest::mouseClick(bold, Qt::LeftButton);
    m_window->commands().run(u"snippet.tableCell"_qs);

    QCOMPARE(editor.getAllText(), u"<TD></TD><strong></strong><TD></TD>"_qs);
}

QTEST_MAIN(TestSnippetInsertion)
#include "tst_snippetinsertion.moc"
