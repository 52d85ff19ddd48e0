#include "snippets/referencelists.h"
#include "snippets/snippettables.h"

#include <QFile>
#include <QSet>
#include <QTest>
#include <QUrl>

namespace {

QStringList piecesOf(const Snippet &snippet)
{
    QStringList pieces;
    for (const char16_t *piece : snippet.pieces)
        pieces << QString::fromUtf16(piece);
    return pieces;
}

struct FoundButton {
    int page = -1;
    const ToolbarButton *button = nullptr;
};

FoundButton findButton(const QString &name)
{
    const auto pages = toolbarPages();
    for (std::size_t page = 0; page < pages.size(); ++page) {
        for (const ToolbarButton &button : pages[page].buttons) {
            if (QLatin1StringView(button.name) == name)
                return {int(page), &button};
        }
    }
    return {};
}

} // namespace

class TestSnippetTables : public QObject
{
    Q_OBJECT

private slots:
    void toolbarPagesInTabOrder();
    void toolbarButton_data();
    void toolbarButton();
    void captionFont_data();
    void captionFont();
    void buttonNamesAreUnique();
    void menuSnippet_data();
    void menuSnippet();
    void menuSnippetsAreExactlyTheMenuCommands();
    void siteUrlIsWellFormed();
    void referenceListDesigns();
    void referenceEntry_data();
    void referenceEntry();
    void referenceEntriesAreSingleLines();
};

void TestSnippetTables::toolbarPagesInTabOrder()
{
    const QStringList expectedTitles = {u"常用"_qs, u"文本"_qs, u"表单"_qs, u"特殊字符"_qs, u"媒体"_qs};
    const QList<std::size_t> expectedButtonCounts = {10, 16, 7, 9, 3};
    QStringList titles;
    QList<std::size_t> buttonCounts;
    for (const ToolbarPage &page : toolbarPages()) {
        titles << QString::fromUtf16(page.title);
        buttonCounts << page.buttons.size();
    }
    QCOMPARE(titles, expectedTitles);
    QCOMPARE(buttonCounts, expectedButtonCounts);
}

void TestSnippetTables::toolbarButton_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("left");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tooltip");
    QTest::addColumn<QString>("accessibleName");
    QTest::addColumn<bool>("hasPicture");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("pieces");
    QTest::newRow("hyperlinkButton") << 0 << 9 << u""_qs << u"超连接"_qs << u"超连接"_qs << true << u"dialog.hyperlink"_qs
        << QStringList{};
    QTest::newRow("emailButton") << 0 << 41 << u""_qs << u"E-mail"_qs << u"E-mail"_qs << true << u"dialog.email"_qs
        << QStringList{};
    QTest::newRow("anchorButton") << 0 << 73 << u""_qs << u"命名标记"_qs << u"命名标记"_qs << true << u"dialog.anchor"_qs
        << QStringList{};
    QTest::newRow("tableButton") << 0 << 105 << u""_qs << u"表格"_qs << u"表格"_qs << true << QString()
        << QStringList{u"<table border=\"\" align=\"\" width=\"\" height=\"\" cellspacing=\"\" cellpadding=\"\" bgcolor=\"\" bordercolor=\"\">\r\n"_qs, u"<tr bgcolor=\"\">\r\n"_qs, u"<td>\"1-1\"</td>\r\n"_qs, u"</tr>\r\n"_qs, u"</table>"_qs};
    QTest::newRow("imageButton") << 0 << 137 << u""_qs << u"图片"_qs << u"图片"_qs << true << u"dialog.image"_qs
        << QStringList{};
    QTest::newRow("flashButton") << 0 << 170 << u""_qs << u"flash元素"_qs << u"flash元素"_qs << true << u"dialog.flash"_qs
        << QStringList{};
    QTest::newRow("scriptButton") << 0 << 202 << u""_qs << u"脚本"_qs << u"脚本"_qs << true << u"dialog.script"_qs
        << QStringList{};
    QTest::newRow("horizontalRuleButton") << 0 << 234 << u"水平线"_qs << u"水平线"_qs << u"水平线"_qs << true << QString()
        << QStringList{u"<hr>"_qs};
    QTest::newRow("dateButton") << 0 << 266 << u""_qs << u"日期"_qs << u"日期"_qs << true << u"dialog.date"_qs
        << QStringList{};
    QTest::newRow("commentButton") << 0 << 298 << u""_qs << u"注解"_qs << u"注解"_qs << true << QString()
        << QStringList{u"<!--       -->"_qs};
    QTest::newRow("boldButton") << 1 << 9 << u"B"_qs << u"粗体"_qs << u"粗体"_qs << false << QString()
        << QStringList{u"<strong></strong>"_qs};
    QTest::newRow("italicButton") << 1 << 41 << u"I"_qs << u"斜体"_qs << u"斜体"_qs << false << QString()
        << QStringList{u"<em></em>"_qs};
    QTest::newRow("strongButton") << 1 << 74 << u"S"_qs << u"加强"_qs << u"加强"_qs << false << QString()
        << QStringList{u"<strong></strong>"_qs};
    QTest::newRow("emphasisButton") << 1 << 107 << u"em"_qs << u"强调"_qs << u"强调"_qs << false << QString()
        << QStringList{u"<em></em>"_qs};
    QTest::newRow("paragraphButton") << 1 << 140 << u"§"_qs << u"段落"_qs << u"段落"_qs << false << QString()
        << QStringList{u"<p></p>"_qs};
    QTest::newRow("blockquoteButton") << 1 << 173 << u"[]"_qs << u"块引用"_qs << u"块引用"_qs << false << QString()
        << QStringList{u"<blockquote></blockquote>"_qs};
    QTest::newRow("preformattedButton") << 1 << 206 << u"PRE"_qs << u"已编排格式"_qs << u"已编排格式"_qs << false << QString()
        << QStringList{u"<pre></pre>"_qs};
    QTest::newRow("heading1Button") << 1 << 239 << u"h1"_qs << u"标题1"_qs << u"标题1"_qs << false << QString()
        << QStringList{u"<h1></h1>"_qs};
    QTest::newRow("heading2Button") << 1 << 272 << u"h2"_qs << u"标题2"_qs << u"标题2"_qs << false << QString()
        << QStringList{u"<h2></h2>"_qs};
    QTest::newRow("heading3Button") << 1 << 305 << u"h3"_qs << u"标题3"_qs << u"标题3"_qs << false << QString()
        << QStringList{u"<h3></h3>"_qs};
    QTest::newRow("unorderedListButton") << 1 << 338 << u"ul"_qs << u"项目列表"_qs << u"项目列表"_qs << false << QString()
        << QStringList{u"<ul></ul>"_qs};
    QTest::newRow("orderedListButton") << 1 << 371 << u"ol"_qs << u"编号列表"_qs << u"编号列表"_qs << false << QString()
        << QStringList{u"<ol></ol>"_qs};
    QTest::newRow("listItemButton") << 1 << 404 << u"li"_qs << u"列表项"_qs << u"列表项"_qs << false << QString()
        << QStringList{u"<li></li>"_qs};
    QTest::newRow("definitionListButton") << 1 << 437 << u"dl"_qs << u"定义列表"_qs << u"定义列表"_qs << false << QString()
        << QStringList{u"<dl></dl>"_qs};
    QTest::newRow("definitionTermButton") << 1 << 470 << u"dt"_qs << u"定义术语"_qs << u"定义术语"_qs << false << QString()
        << QStringList{u"<dt></dt>"_qs};
    QTest::newRow("definitionDescriptionButton") << 1 << 503 << u"dd"_qs << u"定义说明"_qs << u"定义说明"_qs << false << QString()
        << QStringList{u"<dd></dd>"_qs};
    QTest::newRow("formButton") << 2 << 9 << u"超级按钮"_qs << u"表域"_qs << u"表域"_qs << true << u"dialog.form"_qs
        << QStringList{};
    QTest::newRow("pushButton") << 2 << 41 << u"超级按钮"_qs << u"按钮"_qs << u"按钮"_qs << true << u"dialog.button"_qs
        << QStringList{};
    QTest::newRow("textFieldButton") << 2 << 74 << u"超级按钮"_qs << u"文本框"_qs << u"文本框"_qs << true << u"dialog.textField"_qs
        << QStringList{};
    QTest::newRow("radioButton") << 2 << 107 << u"超级按钮"_qs << u"单选框"_qs << u"单选框"_qs << true << QString()
        << QStringList{u"<input type=\"radio\" value=\"V1\" checked name=\"R1\">"_qs};
    QTest::newRow("checkboxButton") << 2 << 140 << u"超级按钮"_qs << u"复选框"_qs << u"复选框"_qs << true << QString()
        << QStringList{u"<input type=\"checkbox\" value=\"ON\" checked name=\"C1\">"_qs};
    QTest::newRow("dropDownButton") << 2 << 173 << u"超级按钮"_qs << u"下拉框"_qs << u"下拉框"_qs << true << u"dialog.dropDown"_qs
        << QStringList{};
    QTest::newRow("groupBoxButton") << 2 << 206 << u"超级按钮"_qs << u"分组框"_qs << u"分组框"_qs << true << u"dialog.label"_qs
        << QStringList{};
    QTest::newRow("trademarkButton") << 3 << 9 << u""_qs << u""_qs << u"商标符号"_qs << true << QString()
        << QStringList{u"&#8482;"_qs};
    QTest::newRow("registeredButton") << 3 << 41 << u""_qs << u""_qs << u"注册商标符号"_qs << true << QString()
        << QStringList{u"&reg;"_qs};
    QTest::newRow("copyrightButton") << 3 << 73 << u""_qs << u""_qs << u"版权符号"_qs << true << QString()
        << QStringList{u"&copy;"_qs};
    QTest::newRow("pilcrowButton") << 3 << 105 << u""_qs << u""_qs << u"段落符号"_qs << true << QString()
        << QStringList{u"&para;"_qs};
    QTest::newRow("poundButton") << 3 << 137 << u""_qs << u""_qs << u"英镑符号"_qs << true << QString()
        << QStringList{u"&pound;"_qs};
    QTest::newRow("centButton") << 3 << 169 << u""_qs << u""_qs << u"美分符号"_qs << true << QString()
        << QStringList{u"&cent;"_qs};
    QTest::newRow("yenButton") << 3 << 201 << u""_qs << u""_qs << u"日元符号"_qs << true << QString()
        << QStringList{u"&yen;"_qs};
    QTest::newRow("sectionButton") << 3 << 233 << u""_qs << u""_qs << u"章节符号"_qs << true << QString()
        << QStringList{u"&sect;"_qs};
    QTest::newRow("perMilleButton") << 3 << 265 << u""_qs << u""_qs << u"千分号"_qs << true << QString()
        << QStringList{u"&#8240;"_qs};
    QTest::newRow("mediaFlashButton") << 4 << 9 << u""_qs << u"flash"_qs << u"flash"_qs << true << u"dialog.flash"_qs
        << QStringList{};
    QTest::newRow("mediaPlayerButton") << 4 << 42 << u""_qs << u"mp"_qs << u"mp"_qs << true << u"dialog.media"_qs
        << QStringList{};
    QTest::newRow("backgroundMusicButton") << 4 << 75 << u""_qs << u"背景音乐"_qs << u"背景音乐"_qs << true << u"dialog.backgroundMusic"_qs
        << QStringList{};
}

void TestSnippetTables::toolbarButton()
{
    QFETCH(int, page);
    QFETCH(int, left);
    QFETCH(QString, caption);
    QFETCH(QString, tooltip);
    QFETCH(QString, accessibleName);
    QFETCH(bool, hasPicture);
    QFETCH(QString, command);
    QFETCH(QStringList, pieces);

    const FoundButton found = findButton(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(found.button);
    const ToolbarButton &button = *found.button;
    QCOMPARE(found.page, page);
    QCOMPARE(button.left, left);
    QCOMPARE(QString::fromUtf16(button.caption), caption);
    QCOMPARE(QString::fromUtf16(button.tooltip), tooltip);
    QCOMPARE(QString::fromUtf16(accessibleText(button)), accessibleName);
    QCOMPARE(button.picture != nullptr, hasPicture);
    if (hasPicture)
        QVERIFY(QFile::exists(QString::fromLatin1(button.picture)));
    QCOMPARE(QString::fromLatin1(button.command), command);
    QCOMPARE(piecesOf(button.snippet), pieces);
}

void TestSnippetTables::captionFont_data()
{
    QTest::addColumn<QString>("face");
    QTest::addColumn<int>("pixelHeight");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::newRow("boldButton") << u"楷体_GB2312"_qs << 20 << true << false;
    QTest::newRow("italicButton") << u"楷体_GB2312"_qs << 20 << true << true;
    QTest::newRow("strongButton") << u"楷体_GB2312"_qs << 20 << true << false;
    QTest::newRow("emphasisButton") << u"楷体_GB2312"_qs << 19 << true << false;
    QTest::newRow("paragraphButton") << u"楷体_GB2312"_qs << 19 << true << false;
    QTest::newRow("blockquoteButton") << u"楷体_GB2312"_qs << 19 << true << false;
    QTest::newRow("preformattedButton") << u"楷体_GB2312"_qs << 16 << true << false;
    QTest::newRow("heading1Button") << u"宋体"_qs << 16 << true << false;
    QTest::newRow("heading2Button") << u"宋体"_qs << 16 << true << false;
    QTest::newRow("heading3Button") << u"宋体"_qs << 16 << true << false;
    QTest::newRow("unorderedListButton") << u"宋体"_qs << 16 << true << false;
    QTest::newRow("orderedListButton") << u"宋体"_qs << 16 << true << false;
    QTest::newRow("listItemButton") << u"宋体"_qs << 16 << true << false;
    QTest::newRow("definitionListButton") << u"宋体"_qs << 16 << true << false;
    QTest::newRow("definitionTermButton") << u"宋体"_qs << 16 << true << false;
    QTest::newRow("definitionDescriptionButton") << u"宋体"_qs << 16 << true << false;
}

void TestSnippetTables::captionFont()
{
    QFETCH(QString, face);
    QFETCH(int, pixelHeight);
    QFETCH(bool, bold);
    QFETCH(bool, italic);

    const FoundButton found = findButton(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(found.button);
    const CaptionFont &font = found.button->captionFont;
    QCOMPARE(QString::fromUtf16(font.face), face);
    QCOMPARE(font.pixelHeight, pixelHeight);
    QCOMPARE(font.bold, bold);
    QCOMPARE(font.italic, italic);
}

void TestSnippetTables::buttonNamesAreUnique()
{
    QSet<QString> names;
    for (const ToolbarPage &page : toolbarPages()) {
        for (const ToolbarButton &button : page.buttons) {
            const QString name = QString::fromLatin1(button.name);
            QVERIFY2(!names.contains(name), qPrintable(name));
            names.insert(name);
        }
    }
}

void TestSnippetTables::menuSnippet_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("pieces");
    QTest::newRow("horizontalRule") << u"snippet.horizontalRule"_qs
        << QStringList{u"<hr>"_qs};
    QTest::newRow("editCss") << u"snippet.editCss"_qs
        << QStringList{u"<style type=\"text/css\">"_qs,
                       u"/*<![CDATA[*/"_qs,
                       u"/*]]>*/"_qs,
                       u"</style>"_qs};
    QTest::newRow("table") << u"snippet.table"_qs
        << QStringList{u"<table border=\"\" align=\"\" width=\"\" height=\"\" cellspacing=\"\" cellpadding=\"\" bgcolor=\"\" bordercolor=\"\">\r\n"_qs,
                       u"<tr bgcolor=\"\">\r\n"_qs,
                       u"<td>\"1-1\"</td>\r\n"_qs,
                       u"</tr>\r\n"_qs,
                       u"</table>"_qs};
    QTest::newRow("tableRow") << u"snippet.tableRow"_qs
        << QStringList{u"<TR></TR>"_qs};
    QTest::newRow("tableHeader") << u"snippet.tableHeader"_qs
        << QStringList{u"<TH></TH>"_qs};
    QTest::newRow("tableCell") << u"snippet.tableCell"_qs
        << QStringList{u"<TD></TD>"_qs};
    QTest::newRow("checkbox") << u"snippet.checkbox"_qs
        << QStringList{u"<input type=\"checkbox\" value=\"ON\" checked name=\"C1\">"_qs};
    QTest::newRow("radio") << u"snippet.radio"_qs
        << QStringList{u"<input type=\"radio\" value=\"V1\" checked name=\"R1\">"_qs};
    QTest::newRow("noscript") << u"snippet.noscript"_qs
        << QStringList{u"<noscript></noscript>"_qs};
    QTest::newRow("timeTag") << u"snippet.timeTag"_qs
        << QStringList{u"<!--%TimeStamp%-->2005-05-31 21:31<!---->"_qs};
    QTest::newRow("addFavourite") << u"snippet.addFavourite"_qs
        << QStringList{u"<a href=javascript:void(0);onclick=window.external.AddFavorite(\"http://www.example.com/\",\"墨桥开发系统\");>[加入收藏]</a>"_qs};
    QTest::newRow("setHomePage") << u"snippet.setHomePage"_qs
        << QStringList{u"<a href style=\"cursor:hand\" onClick=\"this.style.behavior='url(#default#homepage)';this.setHomePage('http://www.example.com/');\">设为首页</a>"_qs};
    QTest::newRow("resizeWindow") << u"snippet.resizeWindow"_qs
        << QStringList{u"<input type=button value=调节到宽200高300 onclick=window.resizeTo(200,300)>"_qs};
    QTest::newRow("ieButtons") << u"snippet.ieButtons"_qs
        << QStringList{u"<input type=button value=后退 onclick=history.go(-1)><input type=button value=刷新 onclick=history.go(-0)><input type=button value=前进 onclick=history.go(+1)>"_qs};
    QTest::newRow("greeting") << u"snippet.greeting"_qs
        << QStringList{u"<script language=\"javaScript\">\r\n"_qs,
                       u"<!--\r\n"_qs,
                       u"now = new Date(),hour = now.getHours()\r\n"_qs,
                       u"if(hour < 6){document.write(\"凌晨好!\")}\r\n"_qs,
                       u"else if (hour < 9){document.write(\"早上好!\")}\r\n"_qs,
                       u"else if (hour < 12){document.write(\"上午好!\")}\r\n"_qs,
                       u"else if (hour < 14){document.write(\"中午好!\")}\r\n"_qs,
                       u"else if (hour < 17){document.write(\"下午好!\")}\r\n"_qs,
                       u"else if (hour < 19){document.write(\"傍晚好!\")}\r\n"_qs,
                       u"else if (hour < 22){document.write(\"晚上好!\")}\r\n"_qs,
                       u"else {document.write(\"夜里好!\")}\r\n"_qs,
                       u"// -->\r\n"_qs,
                       u"</script>\r\n"_qs};
    QTest::newRow("backForward") << u"snippet.backForward"_qs
        << QStringList{u"<FORM>\r\n"_qs,
                       u"<INPUT TYPE=\"button\" VALUE=\"<<后退\" onClick=\"history.go(-1)\">\r\n"_qs,
                       u"<INPUT TYPE=\"button\" VALUE=\"前进>>\" onClick=\"history.go(1)\">\r\n"_qs,
                       u"</FORM>"_qs};
    QTest::newRow("detectBrowser") << u"snippet.detectBrowser"_qs
        << QStringList{u"<script>document.write(\"当前浏览器：\"+navigator.appName+\" \"+navigator.appVersion);</script>"_qs};
    QTest::newRow("preventFraming") << u"snippet.preventFraming"_qs
        << QStringList{u"<SCRIPT LANGUAGE=JAVASCRIPT>\r\n"_qs,
                       u"if (top.location !== self.location)\r\n"_qs,
                       u"{\r\n"_qs,
                       u"top.location=self.location;\r\n"_qs,
                       u"}\r\n"_qs,
                       u"</SCRIPT>\r\n"_qs};
    QTest::newRow("scrollbarColours") << u"snippet.scrollbarColours"_qs
        << QStringList{u"<style>\r\n"_qs,
                       u"BODY {\r\n"_qs,
                       u"SCROLLBAR-FACE-COLOR: #80EE80;\r\n"_qs,
                       u"SCROLLBAR-HIGHLIGHT-COLOR: #C0C0C0;\r\n"_qs,
                       u"SCROLLBAR-SHADOW-COLOR: #A0A0A0;\r\n"_qs,
                       u"SCROLLBAR-3DLIGHT-COLOR: #C0FFC0;\r\n"_qs,
                       u"SCROLLBAR-DARKSHADOW-COLOR: #C0FFC0;\r\n"_qs,
                       u"SCROLLBAR-ARROW-COLOR: #108810;\r\n"_qs,
                       u"SCROLLBAR-TRACK-COLOR: #C0FFC0;\r\n"_qs,
                       u"SCROLLBAR-BASE-COLOR: #000000;\r\n"_qs,
                       u"}\r\n"_qs,
                       u"</style>\r\n"_qs};
    QTest::newRow("selectWhere") << u"snippet.selectWhere"_qs
        << QStringList{u"SELECT*FROM..WHERE"_qs};
    QTest::newRow("selectLike") << u"snippet.selectLike"_qs
        << QStringList{u"SELECT*FROM..WHERE..LIKE"_qs};
    QTest::newRow("selectIn") << u"snippet.selectIn"_qs
        << QStringList{u"SELECT*FROM..WHERE..IN"_qs};
    QTest::newRow("selectBetween") << u"snippet.selectBetween"_qs
        << QStringList{u"SELECT*FROM..WHERE..BETWEEN"_qs};
    QTest::newRow("orderAscending") << u"snippet.orderAscending"_qs
        << QStringList{u"SELECT*FROM 表 ORDER BY 字段 ASC"_qs};
    QTest::newRow("orderDescending") << u"snippet.orderDescending"_qs
        << QStringList{u"SELECT*FROM 表 ORDER BY 字段 DESC"_qs};
    QTest::newRow("insertRecord") << u"snippet.insertRecord"_qs
        << QStringList{u"INSERT INTO 表名称 (字段1,字段2,字段3,...)VALUES(数据1,数据2,数据3,...)"_qs};
    QTest::newRow("updateRecord") << u"snippet.updateRecord"_qs
        << QStringList{u"UPDATE 表名称 SET 字段1=数据1,字段2=数据2 WHERE 条件"_qs};
    QTest::newRow("deleteRecord") << u"snippet.deleteRecord"_qs
        << QStringList{u"DELETE*FROM 表名称 WHERE 条件"_qs};
}

void TestSnippetTables::menuSnippet()
{
    QFETCH(QString, command);
    QFETCH(QStringList, pieces);

    const auto snippets = menuSnippets();
    const auto found = std::find_if(snippets.begin(), snippets.end(), [&](const MenuSnippet &item) {
        return QLatin1StringView(item.command) == command;
    });
    QVERIFY(found != snippets.end());
    QCOMPARE(piecesOf(found->snippet), pieces);
}

void TestSnippetTables::menuSnippetsAreExactlyTheMenuCommands()
{
    const QStringList expected = {
        u"snippet.horizontalRule"_qs, u"snippet.editCss"_qs, u"snippet.table"_qs,
        u"snippet.tableRow"_qs, u"snippet.tableHeader"_qs, u"snippet.tableCell"_qs,
        u"snippet.checkbox"_qs, u"snippet.radio"_qs, u"snippet.noscript"_qs, u"snippet.timeTag"_qs,
        u"snippet.addFavourite"_qs, u"snippet.setHomePage"_qs, u"snippet.resizeWindow"_qs,
        u"snippet.ieButtons"_qs, u"snippet.greeting"_qs, u"snippet.backForward"_qs,
        u"snippet.detectBrowser"_qs, u"snippet.preventFraming"_qs, u"snippet.scrollbarColours"_qs,
        u"snippet.selectWhere"_qs, u"snippet.selectLike"_qs, u"snippet.selectIn"_qs,
        u"snippet.selectBetween"_qs, u"snippet.orderAscending"_qs, u"snippet.orderDescending"_qs,
        u"snippet.insertRecord"_qs, u"snippet.updateRecord"_qs, u"snippet.deleteRecord"_qs,
    };
    QStringList commands;
    for (const MenuSnippet &item : menuSnippets())
        commands << QString::fromLatin1(item.command);
    QCOMPARE(commands, expected);
}

void TestSnippetTables::siteUrlIsWellFormed()
{
    const QUrl url(QString::fromUtf16(siteUrl), QUrl::StrictMode);
    QVERIFY(url.isValid());
    QVERIFY(url.scheme() == u"http"_qs || url.scheme() == u"https"_qs);
    QVERIFY(!url.host().isEmpty());
    // It goes into a quoted script argument unescaped.
    QVERIFY(!QString::fromUtf16(siteUrl).contains(QLatin1Char('"')));
    QVERIFY(!QString::fromUtf16(siteUrl).contains(QLatin1Char('\'')));
}

void TestSnippetTables::referenceListDesigns()
{
    struct Expected {
        QString title, listName, command;
        std::size_t entries;
        int top;
    };
    const QList<Expected> expected = {
        {u"vb"_qs, u"vbKeywordList"_qs, u"reference.vb"_qs, 138, 0},
        {u"html"_qs, u"htmlTagList"_qs, u"reference.html"_qs, 108, 0},
        {u"ihtml"_qs, u"ihtmlTagList"_qs, u"reference.ihtml"_qs, 187, 8},
        {u"asp"_qs, u"aspVariableList"_qs, u"reference.asp"_qs, 21, 0},
    };
    const auto lists = referenceLists();
    QCOMPARE(lists.size(), std::size_t(expected.size()));
    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(QString::fromUtf16(lists[i].pageTitle), expected[i].title);
        QCOMPARE(QString::fromLatin1(lists[i].listName), expected[i].listName);
        QCOMPARE(QString::fromLatin1(lists[i].command), expected[i].command);
        QCOMPARE(lists[i].entries.size(), expected[i].entries);
        QCOMPARE(lists[i].top, expected[i].top);
    }
}

void TestSnippetTables::referenceEntry_data()
{
    QTest::addColumn<int>("list");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("text");
    QTest::newRow("VbKeywordList 1") << 0 << 1 << u"\")"_qs;
    QTest::newRow("VbKeywordList 2") << 0 << 2 << u"<%%>"_qs;
    QTest::newRow("VbKeywordList 3") << 0 << 3 << u"%>"_qs;
    QTest::newRow("VbKeywordList 4") << 0 << 4 << u"(\""_qs;
    QTest::newRow("VbKeywordList 6") << 0 << 6 << u"="_qs;
    QTest::newRow("VbKeywordList 7") << 0 << 7 << u"Eof"_qs;
    QTest::newRow("VbKeywordList 10") << 0 << 10 << u"abandon"_qs;
    QTest::newRow("VbKeywordList 137") << 0 << 137 << u"virtual"_qs;
    QTest::newRow("VbKeywordList 138") << 0 << 138 << u"write"_qs;
    QTest::newRow("HtmlTagList 1") << 1 << 1 << u"<!doctype>"_qs;
    QTest::newRow("HtmlTagList 2") << 1 << 2 << u"<a href=\"http://\" target=\"_Blank\" ></a>"_qs;
    QTest::newRow("HtmlTagList 13") << 1 << 13 << u"<bgsound src=\"\" loop=\"0\">"_qs;
    QTest::newRow("HtmlTagList 38") << 1 << 38 << u"<font face=\"Verdana\"></font>"_qs;
    QTest::newRow("HtmlTagList 53") << 1 << 53 << u"<img src=\"\" Alt=\"\" border=\"0\">"_qs;
    QTest::newRow("HtmlTagList 54") << 1 << 54 << u"<input type=></input>"_qs;
    QTest::newRow("HtmlTagList 61") << 1 << 61 << u"<a href=\"mailto:name@example.com\">name@example.com</a>"_qs;
    QTest::newRow("HtmlTagList 63") << 1 << 63 << u"<marquee  direction=left  behaviour= slide >text</marquee>"_qs;
    QTest::newRow("HtmlTagList 107") << 1 << 107 << u"<wbr></wbr>"_qs;
    QTest::newRow("HtmlTagList 108") << 1 << 108 << u"<xmp></xmp>"_qs;
    QTest::newRow("IhtmlTagList 1") << 2 << 1 << u"<!ihtml>"_qs;
    QTest::newRow("IhtmlTagList 63") << 2 << 63 << u"<ihtml>"_qs;
    QTest::newRow("IhtmlTagList 135") << 2 << 135 << u"<ischedule>"_qs;
    QTest::newRow("IhtmlTagList 136") << 2 << 136 << u"<iset>"_qs;
    QTest::newRow("IhtmlTagList 137") << 2 << 137 << u"<ishift>"_qs;
    QTest::newRow("IhtmlTagList 138") << 2 << 138 << u"<isql>"_qs;
    QTest::newRow("IhtmlTagList 146") << 2 << 146 << u"<isqltrans></isqltrans>"_qs;
    QTest::newRow("IhtmlTagList 187") << 2 << 187 << u"<iwhile></iwhile>"_qs;
    QTest::newRow("AspVariableList 1") << 3 << 1 << u"HTTP_REFERER"_qs;
    QTest::newRow("AspVariableList 2") << 3 << 2 << u"ALL_HTTP"_qs;
    QTest::newRow("AspVariableList 20") << 3 << 20 << u"SERVER_PROTOCOL"_qs;
    QTest::newRow("AspVariableList 21") << 3 << 21 << u"SERVER_SOFTWARE"_qs;
}

void TestSnippetTables::referenceEntry()
{
    QFETCH(int, list);
    QFETCH(int, number);
    QFETCH(QString, text);
    QCOMPARE(QString::fromUtf16(referenceLists()[list].entries[number - 1]), text);
}

void TestSnippetTables::referenceEntriesAreSingleLines()
{
    for (const ReferenceList &list : referenceLists()) {
        for (const char16_t *entry : list.entries) {
            const QString text = QString::fromUtf16(entry);
            QVERIFY2(!text.isEmpty() && !text.contains(QLatin1Char('\n'))
                         && !text.contains(QLatin1Char('\r')),
                     qPrintable(text));
        }
    }
}

QTEST_GUILESS_MAIN(TestSnippetTables)
#include "tst_snippettables.moc"
