#include "snippets/snippettables.h"

#include <algorithm>
#include <array>

namespace {

// Joins string literals at compile time, so the site address is written into its snippets once.
template<std::size_t... Sizes>
constexpr auto joinTexts(const char16_t (&...parts)[Sizes])
{
    std::array<char16_t, (Sizes + ...) - sizeof...(Sizes) + 1> joined{};
    std::size_t at = 0;
    ((std::copy_n(parts, Sizes - 1, joined.begin() + at), at += Sizes - 1), ...);
    return joined;
}

// The toolbar and the insert menu share these four.
constexpr Snippet tableSkeleton{{
    u"<table border=\"\" align=\"\" width=\"\" height=\"\" cellspacing=\"\" cellpadding=\"\" bgcolor=\"\" bordercolor=\"\">\r\n",
    u"<tr bgcolor=\"\">\r\n",
    u"<td>\"1-1\"</td>\r\n",
    u"</tr>\r\n",
    u"</table>",
}};
constexpr Snippet horizontalRule{{u"<hr>"}};
constexpr Snippet radioButton{{u"<input type=\"radio\" value=\"V1\" checked name=\"R1\">"}};
constexpr Snippet checkbox{{u"<input type=\"checkbox\" value=\"ON\" checked name=\"C1\">"}};

constexpr ToolbarButton commonButtons[] = {
    {.name = "hyperlinkButton", .left = 9, .tooltip = u"超连接",
     .picture = ":/icons/hyperlink.svg", .command = "dialog.hyperlink"},
    {.name = "emailButton", .left = 41, .tooltip = u"E-mail",
     .picture = ":/icons/email.svg", .command = "dialog.email"},
    {.name = "anchorButton", .left = 73, .tooltip = u"命名标记",
     .picture = ":/icons/anchor.svg", .command = "dialog.anchor"},
    {.name = "tableButton", .left = 105, .tooltip = u"表格",
     .picture = ":/icons/table.svg", .snippet = tableSkeleton},
    {.name = "imageButton", .left = 137, .tooltip = u"图片",
     .picture = ":/icons/image.svg", .command = "dialog.image"},
    {.name = "flashButton", .left = 170, .tooltip = u"flash元素",
     .picture = ":/icons/flash.svg", .command = "dialog.flash"},
    {.name = "scriptButton", .left = 202, .tooltip = u"脚本",
     .picture = ":/icons/script.svg", .command = "dialog.script"},
    {.name = "horizontalRuleButton", .left = 234, .caption = u"水平线", .tooltip = u"水平线",
     .picture = ":/icons/horizontalrule.svg", .snippet = horizontalRule},
    {.name = "dateButton", .left = 266, .tooltip = u"日期",
     .picture = ":/icons/date.svg", .command = "dialog.date"},
    {.name = "commentButton", .left = 298, .tooltip = u"注解",
     .picture = ":/icons/comment.svg", .snippet = {{u"<!--       -->"}}},
};

constexpr ToolbarButton textButtons[] = {
    {.name = "boldButton", .left = 9, .caption = u"B", .tooltip = u"粗体",
     .captionFont = {u"楷体_GB2312", 20, true, false}, .snippet = {{u"<strong></strong>"}}},
    {.name = "italicButton", .left = 41, .caption = u"I", .tooltip = u"斜体",
     .captionFont = {u"楷体_GB2312", 20, true, true}, .snippet = {{u"<em></em>"}}},
    {.name = "strongButton", .left = 74, .caption = u"S", .tooltip = u"加强",
     .captionFont = {u"楷体_GB2312", 20, true, false}, .snippet = {{u"<strong></strong>"}}},
    {.name = "emphasisButton", .left = 107, .caption = u"em", .tooltip = u"强调",
     .captionFont = {u"楷体_GB2312", 19, true, false}, .snippet = {{u"<em></em>"}}},
    {.name = "paragraphButton", .left = 140, .caption = u"§", .tooltip = u"段落",
     .captionFont = {u"楷体_GB2312", 19, true, false}, .snippet = {{u"<p></p>"}}},
    {.name = "blockquoteButton", .left = 173, .caption = u"[]", .tooltip = u"块引用",
     .captionFont = {u"楷体_GB2312", 19, true, false}, .snippet = {{u"<blockquote></blockquote>"}}},
    {.name = "preformattedButton", .left = 206, .caption = u"PRE", .tooltip = u"已编排格式",
     .captionFont = {u"楷体_GB2312", 16, true, false}, .snippet = {{u"<pre></pre>"}}},
    {.name = "heading1Button", .left = 239, .caption = u"h1", .tooltip = u"标题1",
     .captionFont = {u"宋体", 16, true, false}, .snippet = {{u"<h1></h1>"}}},
    {.name = "heading2Button", .left = 272, .caption = u"h2", .tooltip = u"标题2",
     .captionFont = {u"宋体", 16, true, false}, .snippet = {{u"<h2></h2>"}}},
    {.name = "heading3Button", .left = 305, .caption = u"h3", .tooltip = u"标题3",
     .captionFont = {u"宋体", 16, true, false}, .snippet = {{u"<h3></h3>"}}},
    {.name = "unorderedListButton", .left = 338, .caption = u"ul", .tooltip = u"项目列表",
     .captionFont = {u"宋体", 16, true, false}, .snippet = {{u"<ul></ul>"}}},
    {.name = "orderedListButton", .left = 371, .caption = u"ol", .tooltip = u"编号列表",
     .captionFont = {u"宋体", 16, true, false}, .snippet = {{u"<ol></ol>"}}},
    {.name = "listItemButton", .left = 404, .caption = u"li", .tooltip = u"列表项",
     .captionFont = {u"宋体", 16, true, false}, .snippet = {{u"<li></li>"}}},
    {.name = "definitionListButton", .left = 437, .caption = u"dl", .tooltip = u"定义列表",
     .captionFont = {u"宋体", 16, true, false}, .snippet = {{u"<dl></dl>"}}},
    {.name = "definitionTermButton", .left = 470, .caption = u"dt", .tooltip = u"定义术语",
     .captionFont = {u"宋体", 16, true, false}, .snippet = {{u"<dt></dt>"}}},
    {.name = "definitionDescriptionButton", .left = 503, .caption = u"dd", .tooltip = u"定义说明",
     .captionFont = {u"宋体", 16, true, false}, .snippet = {{u"<dd></dd>"}}},
};

constexpr ToolbarButton formButtons[] = {
    {.name = "formButton", .left = 9, .caption = u"超级按钮", .tooltip = u"表域",
     .picture = ":/icons/form.svg", .command = "dialog.form"},
    {.name = "pushButton", .left = 41, .caption = u"超级按钮", .tooltip = u"按钮",
     .picture = ":/icons/pushbutton.svg", .command = "dialog.button"},
    {.name = "textFieldButton", .left = 74, .caption = u"超级按钮", .tooltip = u"文本框",
     .picture = ":/icons/textfield.svg", .command = "dialog.textField"},
    {.name = "radioButton", .left = 107, .caption = u"超级按钮", .tooltip = u"单选框",
     .picture = ":/icons/radio.svg", .snippet = radioButton},
    {.name = "checkboxButton", .left = 140, .caption = u"超级按钮", .tooltip = u"复选框",
     .picture = ":/icons/checkbox.svg", .snippet = checkbox},
    {.name = "dropDownButton", .left = 173, .caption = u"超级按钮", .tooltip = u"下拉框",
     .picture = ":/icons/dropdown.svg", .command = "dialog.dropDown"},
    {.name = "groupBoxButton", .left = 206, .caption = u"超级按钮", .tooltip = u"分组框",
     .picture = ":/icons/groupbox.svg", .command = "dialog.label"},
};

constexpr ToolbarButton specialCharacterButtons[] = {
    {.name = "trademarkButton", .left = 9, .characterName = u"商标符号",
     .picture = ":/icons/trademark.svg", .snippet = {{u"&#8482;"}}},
    {.name = "registeredButton", .left = 41, .characterName = u"注册商标符号",
     .picture = ":/icons/registered.svg", .snippet = {{u"&reg;"}}},
    {.name = "copyrightButton", .left = 73, .characterName = u"版权符号",
     .picture = ":/icons/copyright.svg", .snippet = {{u"&copy;"}}},
    {.name = "pilcrowButton", .left = 105, .characterName = u"段落符号",
     .picture = ":/icons/pilcrow.svg", .snippet = {{u"&para;"}}},
    {.name = "poundButton", .left = 137, .characterName = u"英镑符号",
     .picture = ":/icons/pound.svg", .snippet = {{u"&pound;"}}},
    {.name = "centButton", .left = 169, .characterName = u"美分符号",
     .picture = ":/icons/cent.svg", .snippet = {{u"&cent;"}}},
    {.name = "yenButton", .left = 201, .characterName = u"日元符号",
     .picture = ":/icons/yen.svg", .snippet = {{u"&yen;"}}},
    {.name = "sectionButton", .left = 233, .characterName = u"章节符号",
     .picture = ":/icons/section.svg", .snippet = {{u"&sect;"}}},
    {.name = "perMilleButton", .left = 265, .characterName = u"千分号",
     .picture = ":/icons/permille.svg", .snippet = {{u"&#8240;"}}},
};

constexpr ToolbarButton mediaButtons[] = {
    {.name = "mediaFlashButton", .left = 9, .tooltip = u"flash",
     .picture = ":/icons/flash.svg", .command = "dialog.flash"},
    {.name = "mediaPlayerButton", .left = 42, .tooltip = u"mp",
     .picture = ":/icons/mediaplayer.svg", .command = "dialog.media"},
    {.name = "backgroundMusicButton", .left = 75, .tooltip = u"背景音乐",
     .picture = ":/icons/loudspeaker.svg", .command = "dialog.backgroundMusic"},
};

constexpr ToolbarPage pages[] = {
    {u"常用", "commonPage", commonButtons},
    {u"文本", "textPage", textButtons},
    {u"表单", "formPage", formButtons},
    {u"特殊字符", "specialCharacterPage", specialCharacterButtons},
    {u"媒体", "mediaPage", mediaButtons},
};

constexpr auto addFavouriteText = joinTexts(
    u"<a href=javascript:void(0);onclick=window.external.AddFavorite(\"",
    siteUrl,
    u"\",\"墨桥开发系统\");>[加入收藏]</a>");
constexpr auto setHomePageText = joinTexts(
    u"<a href style=\"cursor:hand\" onClick=\"this.style.behavior='url(#default#homepage)';this.setHomePage('",
    siteUrl,
    u"');\">设为首页</a>");

constexpr MenuSnippet menuSnippetTable[] = {
    {"snippet.horizontalRule", horizontalRule},
    {"snippet.editCss", {{
        u"<style type=\"text/css\">",
        u"/*<![CDATA[*/",
        u"/*]]>*/",
        u"</style>",
    }}},
    {"snippet.table", tableSkeleton},
    {"snippet.tableRow", {{u"<TR></TR>"}}},
    {"snippet.tableHeader", {{u"<TH></TH>"}}},
    {"snippet.tableCell", {{u"<TD></TD>"}}},
    {"snippet.checkbox", checkbox},
    {"snippet.radio", radioButton},
    {"snippet.noscript", {{u"<noscript></noscript>"}}},
    {"snippet.timeTag", {{u"<!--%TimeStamp%-->2005-05-31 21:31<!---->"}}},
    {"snippet.addFavourite", {{addFavouriteText.data()}}},
    {"snippet.setHomePage", {{setHomePageText.data()}}},
    {"snippet.resizeWindow", {{u"<input type=button value=调节到宽200高300 onclick=window.resizeTo(200,300)>"}}},
    {"snippet.ieButtons", {{u"<input type=button value=后退 onclick=history.go(-1)><input type=button value=刷新 onclick=history.go(-0)><input type=button value=前进 onclick=history.go(+1)>"}}},
    {"snippet.greeting", {{
        u"<script language=\"javaScript\">\r\n",
        u"<!--\r\n",
        u"now = new Date(),hour = now.getHours()\r\n",
        u"if(hour < 6){document.write(\"凌晨好!\")}\r\n",
        u"else if (hour < 9){document.write(\"早上好!\")}\r\n",
        u"else if (hour < 12){document.write(\"上午好!\")}\r\n",
        u"else if (hour < 14){document.write(\"中午好!\")}\r\n",
        u"else if (hour < 17){document.write(\"下午好!\")}\r\n",
        u"else if (hour < 19){document.write(\"傍晚好!\")}\r\n",
        u"else if (hour < 22){document.write(\"晚上好!\")}\r\n",
        u"else {document.write(\"夜里好!\")}\r\n",
        u"// -->\r\n",
        u"</script>\r\n",
    }}},
    {"snippet.backForward", {{
        u"<FORM>\r\n",
        u"<INPUT TYPE=\"button\" VALUE=\"<<后退\" onClick=\"history.go(-1)\">\r\n",
        u"<INPUT TYPE=\"button\" VALUE=\"前进>>\" onClick=\"history.go(1)\">\r\n",
        u"</FORM>",
    }}},
    {"snippet.detectBrowser", {{u"<script>document.write(\"当前浏览器：\"+navigator.appName+\" \"+navigator.appVersion);</script>"}}},
    {"snippet.preventFraming", {{
        u"<SCRIPT LANGUAGE=JAVASCRIPT>\r\n",
        u"if (top.location !== self.location)\r\n",
        u"{\r\n",
        u"top.location=self.location;\r\n",
        u"}\r\n",
        u"</SCRIPT>\r\n",
    }}},
    {"snippet.scrollbarColours", {{
        u"<style>\r\n",
        u"BODY {\r\n",
        u"SCROLLBAR-FACE-COLOR: #80EE80;\r\n",
        u"SCROLLBAR-HIGHLIGHT-COLOR: #C0C0C0;\r\n",
        u"SCROLLBAR-SHADOW-COLOR: #A0A0A0;\r\n",
        u"SCROLLBAR-3DLIGHT-COLOR: #C0FFC0;\r\n",
        u"SCROLLBAR-DARKSHADOW-COLOR: #C0FFC0;\r\n",
        u"SCROLLBAR-ARROW-COLOR: #108810;\r\n",
        u"SCROLLBAR-TRACK-COLOR: #C0FFC0;\r\n",
        u"SCROLLBAR-BASE-COLOR: #000000;\r\n",
        u"}\r\n",
        u"</style>\r\n",
    }}},
    {"snippet.selectWhere", {{u"SELECT*FROM..WHERE"}}},
    {"snippet.selectLike", {{u"SELECT*FROM..WHERE..LIKE"}}},
    {"snippet.selectIn", {{u"SELECT*FROM..WHERE..IN"}}},
    {"snippet.selectBetween", {{u"SELECT*FROM..WHERE..BETWEEN"}}},
    {"snippet.orderAscending", {{u"SELECT*FROM 表 ORDER BY 字段 ASC"}}},
    {"snippet.orderDescending", {{u"SELECT*FROM 表 ORDER BY 字段 DESC"}}},
    {"snippet.insertRecord", {{u"INSERT INTO 表名称 (字段1,字段2,字段3,...)VALUES(数据1,数据2,数据3,...)"}}},
    {"snippet.updateRecord", {{u"UPDATE 表名称 SET 字段1=数据1,字段2=数据2 WHERE 条件"}}},
    {"snippet.deleteRecord", {{u"DELETE*FROM 表名称 WHERE 条件"}}},
};

} // namespace

std::span<const ToolbarPage> toolbarPages()
{
    return pages;
}

std::span<const MenuSnippet> menuSnippets()
{
    return menuSnippetTable;
}
