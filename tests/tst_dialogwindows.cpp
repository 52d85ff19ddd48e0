#include "app/mainwindow.h"
#include "dialogs/elementdialog.h"
#include "dialogtesting.h"
#include "editor/sourceeditor.h"
#include "fakeplatform.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <memory>

// The link, media, script, date, style sheet and caption dialogs, driven through the main
// window's commands as a user drives them through the menus and the toolbar.

namespace {

// Pairs of control name and text, flattened: name, text, name, text ...
using Entries = QStringList;

QStringList texts(std::initializer_list<const char16_t *> literals)
{
    QStringList list;
    for (const char16_t *literal : literals)
        list << QString::fromUtf16(literal);
    return list;
}

const QString flashlet = u"flashlet={imageLinkTarget:'_blank',captionFont:'Verdana',titleFont:'Verdana',showControls:true,frameShow:false,slideDelay:5,captionSize:10,captionColor:#333333,titleSize:10,transitionsType:'Random',titleColor:#333333,slideAutoPlay:false,imageURLs:['img1.jpg','img2.jpg','img3.jpg'],slideLoop:false,frameThickness:2,imageLinks:['"_qs u"http://www.example.com/" u"','" u"http://www.example.com/"
    u"','" u"http://www.example.com/" u"'],frameColor:#333333,bgColor:#FFFFFF,imageCaptions:[]}";

} // namespace

class TestDialogWindows : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void openedByCommand_data();
    void openedByCommand();
    void labelsNameTheirFields_data();
    void labelsNameTheirFields();
    void itemsAndInitialContents_data();
    void itemsAndInitialContents();
    void okInsertsElementAtCaret_data();
    void okInsertsElementAtCaret();
    void okReplacesSelection();
    void closingInsertsNothing_data();
    void closingInsertsNothing();
    void hyperlinkPresetsReplaceUrl_data();
    void hyperlinkPresetsReplaceUrl();
    void browseFillsPathField_data();
    void browseFillsPathField();
    void imageBrowseSharesMainFileDialog();
    void badInputInsertedUnchanged_data();
    void badInputInsertedUnchanged();
    void commandTwiceOpensOneDialog();

private:
    ElementDialog *open(const QString &command, const QString &dialog)
    {
        return openDialogByCommand(*m_window, command, dialog);
    }
    void typeInto(QWidget *field, const QString &text);
    void pick(ElementDialog *dialog, const QString &control, const QString &item);
    SourceEditor &editor() { return m_window->editor(); }

    FakePlatform m_platform;
    std::unique_ptr<MainWindow> m_window;
};

void TestDialogWindows::init()
{
    m_platform = FakePlatform();
    m_window = showMainWindow(m_platform);
    QVERIFY(m_window);
    setTextWithCaret(editor(), u"AB"_qs, 1);
}

void TestDialogWindows::cleanup()
{
    m_window.reset();
}

void TestDialogWindows::typeInto(QWidget *field, const QString &text)
{
    if (auto *combo = qobject_cast<QComboBox *>(field))
        combo->lineEdit()->selectAll();
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            QTest::keyClick(field, Qt::Key_Return);
        for (QChar c : lines[i]) {
            // keyClicks knows only ASCII; other characters arrive as the text of a key press.
            if (c.unicode() < 0x80)
                QTest::keyClick(field, c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

// As the user picks: a combo item through the keyboard, a list item with the mouse.
void TestDialogWindows::pick(ElementDialog *dialog, const QString &control, const QString &item)
{
    if (auto *combo = dialog->findChild<QComboBox *>(control)) {
        const int index = combo->findText(item, Qt::MatchExactly | Qt::MatchCaseSensitive);
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Home);
        while (combo->currentIndex() != index && combo->currentIndex() < combo->count() - 1)
            QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(combo->currentIndex(), index);
    } else if (auto *list = dialog->findChild<QListWidget *>(control)) {
        const QList<QListWidgetItem *> found = list->findItems(item, Qt::MatchExactly);
        QVERIFY(!found.isEmpty());
        clickRow(*list, list->row(found.first()));
    } else {
        QFAIL(qPrintable(control));
    }
}

void TestDialogWindows::openedByCommand_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("size");
    QTest::newRow("hyperlink") << u"dialog.hyperlink"_qs << u"hyperlinkDialog"_qs << u"超连接"_qs << QSize(380, 250);
    QTest::newRow("e-mail") << u"dialog.email"_qs << u"emailLinkDialog"_qs << u"E-mail连接"_qs << QSize(380, 161);
    QTest::newRow("anchor") << u"dialog.anchor"_qs << u"anchorDialog"_qs << u"命名标记"_qs << QSize(380, 107);
    QTest::newRow("image") << u"dialog.image"_qs << u"imageDialog"_qs << u"图片设置"_qs << QSize(380, 230);
    QTest::newRow("flash") << u"dialog.flash"_qs << u"flashDialog"_qs << u"flash元素"_qs << QSize(382, 118);
    QTest::newRow("media") << u"dialog.media"_qs << u"mediaDialog"_qs << u"插入的mp媒体"_qs << QSize(380, 202);
    QTest::newRow("background music") << u"dialog.backgroundMusic"_qs << u"backgroundMusicDialog"_qs
                                      << u"背景音乐"_qs << QSize(380, 208);
    QTest::newRow("script") << u"dialog.script"_qs << u"scriptDialog"_qs << u"脚本设置"_qs << QSize(380, 316);
    QTest::newRow("date") << u"dialog.date"_qs << u"dateDialog"_qs << u"日期"_qs << QSize(297, 244);
    QTest::newRow("style sheet") << u"dialog.stylesheetLink"_qs << u"stylesheetLinkDialog"_qs
                                 << u"加入已有的css"_qs << QSize(380, 120);
    QTest::newRow("caption") << u"dialog.caption"_qs << u"captionDialog"_qs << u"标题"_qs << QSize(380, 141);
}

void TestDialogWindows::openedByCommand()
{
    QFETCH(QString, command);
    QFETCH(QString, dialog);
    QFETCH(QString, caption);
    QFETCH(QSize, size);
    ElementDialog *opened = open(command, dialog);
    QVERIFY(opened);
    QCOMPARE(opened->windowTitle(), caption);
    QCOMPARE(opened->frameGeometry().size(), size);
    QCOMPARE(QGuiApplication::modalWindow(), opened->windowHandle());
    QCOMPARE(opened->findChild<QPushButton *>(u"okButton"_qs)->text(), u"确定"_qs);
    QCOMPARE(opened->findChild<QPushButton *>(u"cancelButton"_qs)->text(), u"取消"_qs);
    // Every control lies inside the window.
    for (QWidget *control : opened->findChildren<QWidget *>()) {
        if (control->isWindow() || !control->isVisibleTo(opened) || control->parentWidget() != opened)
            continue;
        QVERIFY2(opened->rect().contains(control->geometry()), qPrintable(control->objectName()));
    }
}

void TestDialogWindows::labelsNameTheirFields_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("label");
    auto row = [](const char *name, const char16_t *command, const char16_t *dialog,
                  const char16_t *field, const char16_t *label) {
        QTest::newRow(name) << QString::fromUtf16(command) << QString::fromUtf16(dialog)
                            << QString::fromUtf16(field) << QString::fromUtf16(label);
    };
    row("hyperlink url", u"dialog.hyperlink", u"hyperlinkDialog", u"hyperlinkUrl", u"URL：");
    row("hyperlink title", u"dialog.hyperlink", u"hyperlinkDialog", u"hyperlinkTitle", u"标题：");
    row("hyperlink target", u"dialog.hyperlink", u"hyperlinkDialog", u"hyperlinkTarget", u"目标：");
    // The e-mail labels do not match the roles of their fields.
    row("e-mail address", u"dialog.email", u"emailLinkDialog", u"emailAddress", u"文本：");
    row("e-mail subject", u"dialog.email", u"emailLinkDialog", u"emailSubject", u"E-mail：");
    row("anchor", u"dialog.anchor", u"anchorDialog", u"anchorName", u"标记：");
    row("image path", u"dialog.image", u"imageDialog", u"imagePath", u"图片位置：");
    row("image width", u"dialog.image", u"imageDialog", u"imageWidth", u"宽度：");
    row("image height", u"dialog.image", u"imageDialog", u"imageHeight", u"高度：");
    row("image align", u"dialog.image", u"imageDialog", u"imageAlign", u"文本环绕：");
    row("image border", u"dialog.image", u"imageDialog", u"imageBorder", u"边框：");
    row("image alt", u"dialog.image", u"imageDialog", u"imageAlt", u"ALT：");
    row("image map", u"dialog.image", u"imageDialog", u"imageMapName", u"地图名称：");
    row("flash", u"dialog.flash", u"flashDialog", u"flashPath", u"flash:");
    row("media path", u"dialog.media", u"mediaDialog", u"mediaPath", u"视频文件路径：");
    // The media size labels are the reverse of their roles.
    row("media width", u"dialog.media", u"mediaDialog", u"mediaWidth", u"高度：");
    row("media height", u"dialog.media", u"mediaDialog", u"mediaHeight", u"宽度：");
    row("music path", u"dialog.backgroundMusic", u"backgroundMusicDialog", u"musicPath", u"媒体路径：");
    row("music loop", u"dialog.backgroundMusic", u"backgroundMusicDialog", u"musicLoop", u"播放次数：");
    row("script language", u"dialog.script", u"scriptDialog", u"scriptLanguage", u"语言：");
    row("script body", u"dialog.script", u"scriptDialog", u"scriptBody", u"内容：");
    row("date weekday", u"dialog.date", u"dateDialog", u"dateWeekday", u"星期格式：");
    row("date format", u"dialog.date", u"dateDialog", u"dateFormat", u"日期格式：");
    row("style sheet", u"dialog.stylesheetLink", u"stylesheetLinkDialog", u"stylesheetPath", u"css:");
    row("caption", u"dialog.caption", u"captionDialog", u"captionText", u"标题：");
}

void TestDialogWindows::labelsNameTheirFields()
{
    QFETCH(QString, command);
    QFETCH(QString, dialog);
    QFETCH(QString, field);
    QFETCH(QString, label);
    ElementDialog *opened = open(command, dialog);
    QVERIFY(opened);
    auto *control = opened->findChild<QWidget *>(field);
    QVERIFY(control);
    QCOMPARE(control->accessibleName(), label);
    auto *labelWidget = opened->findChild<QLabel *>(field + u"Label"_qs);
    QVERIFY(labelWidget);
    QCOMPARE(labelWidget->buddy(), control);
}

void TestDialogWindows::itemsAndInitialContents_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("initialValue");
    QTest::newRow("hyperlink target") << u"dialog.hyperlink"_qs << u"hyperlinkDialog"_qs << u"hyperlinkTarget"_qs
        << texts({u"_top", u"_self", u"_blank", u"_parent"}) << u"_top"_qs;
    QTest::newRow("image align") << u"dialog.image"_qs << u"imageDialog"_qs << u"imageAlign"_qs
        << texts({u"top", u"middle", u"bottom"}) << QString();
    QTest::newRow("script language") << u"dialog.script"_qs << u"scriptDialog"_qs << u"scriptLanguage"_qs
        << texts({u"JavaScript", u"JavaScript1.1", u"JavaScript1.2", u"VBScript"}) << u"JavaScript"_qs;
    QTest::newRow("date weekday") << u"dialog.date"_qs << u"dateDialog"_qs << u"dateWeekday"_qs
        << texts({u"星期二", u"星期二,", u"sunday", u"sunday,", u"", u""}) << u"星期二"_qs;
    QTest::newRow("date format") << u"dialog.date"_qs << u"dateDialog"_qs << u"dateFormat"_qs
        << texts({u"2005-05-31", u"05/31/05", u"5/31/05", u"05.31.05", u"05.31.2005", u"05-31-2005", u"2005/05/31", u"2005年05月31日", u"31/05/05"})
        << QString();
    QTest::newRow("music hint") << u"dialog.backgroundMusic"_qs << u"backgroundMusicDialog"_qs
        << u"musicHint"_qs << QStringList{} << QString();
}

void TestDialogWindows::itemsAndInitialContents()
{
    QFETCH(QString, command);
    QFETCH(QString, dialog);
    QFETCH(QString, control);
    QFETCH(QStringList, items);
    QFETCH(QString, initialValue);
    ElementDialog *opened = open(command, dialog);
    QVERIFY(opened);
    QStringList shown;
    if (auto *combo = opened->findChild<QComboBox *>(control)) {
        QVERIFY(combo->isEditable());
        for (int i = 0; i < combo->count(); ++i)
            shown << combo->itemText(i);
    } else if (auto *list = opened->findChild<QListWidget *>(control)) {
        for (int i = 0; i < list->count(); ++i)
            shown << list->item(i)->text();
    } else {
        QCOMPARE(opened->findChild<QLabel *>(u"musicHintLabel"_qs)->text(), u"提示："_qs);
        QCOMPARE(opened->findChild<QLabel *>(control)->text(), u"循环播放请输入 -1"_qs);
    }
    QCOMPARE(shown, items);
    QCOMPARE(opened->value(control.toLatin1().constData()), initialValue);
}

void TestDialogWindows::okInsertsElementAtCaret_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<Entries>("typed");
    QTest::addColumn<Entries>("picked");
    QTest::addColumn<QString>("element");

    QTest::newRow("hyperlink untouched") << u"dialog.hyperlink"_qs << u"hyperlinkDialog"_qs
        << Entries{} << Entries{}
        << u"<a href=\"\" title=\"\" target=\"_top\"></a> "_qs;
    QTest::newRow("hyperlink filled") << u"dialog.hyperlink"_qs << u"hyperlinkDialog"_qs
        << Entries{u"hyperlinkUrl"_qs, u"http://yz.example/a.html"_qs, u"hyperlinkTitle"_qs, u"首页"_qs}
        << Entries{u"hyperlinkTarget"_qs, u"_blank"_qs}
        << u"<a href=\"http://yz.example/a.html\" title=\"首页\" target=\"_blank\"></a> "_qs;
    QTest::newRow("hyperlink typed target") << u"dialog.hyperlink"_qs << u"hyperlinkDialog"_qs
        << Entries{u"hyperlinkTarget"_qs, u"mainFrame"_qs} << Entries{}
        << u"<a href=\"\" title=\"\" target=\"mainFrame\"></a> "_qs;
    QTest::newRow("e-mail") << u"dialog.email"_qs << u"emailLinkDialog"_qs
        << Entries{u"emailAddress"_qs, u"yz@example.com"_qs, u"emailSubject"_qs, u"问候"_qs} << Entries{}
        << u"<a href=\"mailto:yz@example.com?subject=问候\"></a>"_qs;
    QTest::newRow("e-mail untouched") << u"dialog.email"_qs << u"emailLinkDialog"_qs << Entries{}
        << Entries{} << u"<a href=\"mailto:?subject=\"></a>"_qs;
    QTest::newRow("anchor") << u"dialog.anchor"_qs << u"anchorDialog"_qs
        << Entries{u"anchorName"_qs, u"top"_qs} << Entries{} << u"<a name=\"top\"></a>"_qs;
    QTest::newRow("image untouched") << u"dialog.image"_qs << u"imageDialog"_qs << Entries{} << Entries{}
        << u"<img src=\"\" width=\"\" height=\"\" align=\"\" border=\"\" alt=\"\" usemap=#>\r\n"
           u"<map name=>\r\n<area shape=\"rect\" coords=\"0,0,16,16\" href=\"#\">\r\n</map>"_qs;
    QTest::newRow("image filled") << u"dialog.image"_qs << u"imageDialog"_qs
        << Entries{u"imagePath"_qs, u"images\\logo.gif"_qs, u"imageWidth"_qs, u"88"_qs,
                   u"imageHeight"_qs, u"31"_qs, u"imageBorder"_qs, u"0"_qs, u"imageAlt"_qs, u"标志"_qs,
                   u"imageMapName"_qs, u"m1"_qs}
        << Entries{u"imageAlign"_qs, u"middle"_qs}
        << u"<img src=\"images\\logo.gif\" width=\"88\" height=\"31\" align=\"middle\" border=\"0\" alt=\"标志\" usemap=#m1>\r\n"
           u"<map name=m1>\r\n<area shape=\"rect\" coords=\"0,0,16,16\" href=\"#\">\r\n</map>"_qs;
    QTest::newRow("image typed align") << u"dialog.image"_qs << u"imageDialog"_qs
        << Entries{u"imageAlign"_qs, u"Left"_qs} << Entries{}
        << u"<img src=\"\" width=\"\" height=\"\" align=\"Left\" border=\"\" alt=\"\" usemap=#>\r\n"
           u"<map name=>\r\n<area shape=\"rect\" coords=\"0,0,16,16\" href=\"#\">\r\n</map>"_qs;
    QTest::newRow("flash") << u"dialog.flash"_qs << u"flashDialog"_qs
        << Entries{u"flashPath"_qs, u"D:\\flash\\a.swf"_qs} << Entries{}
        << u"<object classid=\"clsid:D27CDB6E-AE6D-11cf-96B8-444553540000\" codebase=\""_qs u"http://download.macromedia.com/pub/shockwave/cabs/flash/swflash.cab#version=7,0,0,0"
               u"\" width=\"400\" height=\"325\">\r\n" u"<param name=\"flash_component\" value=\"ImageViewer.swc\">\r\n" u"<param name=\"movie\" value=\"file:///" u"D:\\flash\\a.swf" u"\">\r\n" u"<param name=\"quality\" value=\"high\">\r\n" u"<param name=\"FlashVars\" value=\""_qs
           + flashlet + u"\">\r\n" u"<embed src=\"file:///" u"D:\\flash\\a.swf" u"\" quality=\"high\" flashvars=\""_qs + flashlet
           + u"\" pluginspage=\"" u"http://www.macromedia.com/go/getflashplayer" u"\" type=\"application/x-shockwave-flash\" width=\"400\" height=\"325\"></embed>\r\n" u"</object>"_qs;
    QTest::newRow("media sizes") << u"dialog.media"_qs << u"mediaDialog"_qs
        << Entries{u"mediaPath"_qs, u"v.wmv"_qs, u"mediaWidth"_qs, u"100"_qs, u"mediaHeight"_qs, u"200"_qs}
        << Entries{} << u"<embed src=\"v.wmv\" width=100 height=200></embed>"_qs;
    QTest::newRow("background music") << u"dialog.backgroundMusic"_qs << u"backgroundMusicDialog"_qs
        << Entries{u"musicPath"_qs, u"a.mid"_qs, u"musicLoop"_qs, u"-1"_qs} << Entries{}
        << u"<bgsound src=\"a.mid\" loop=-1>"_qs;
    QTest::newRow("background music untouched") << u"dialog.backgroundMusic"_qs
        << u"backgroundMusicDialog"_qs << Entries{} << Entries{} << u"<bgsound src=\"\" loop=>"_qs;
    QTest::newRow("script untouched") << u"dialog.script"_qs << u"scriptDialog"_qs << Entries{}
        << Entries{} << u"<script language=\"JavaScript\" type=\"text/JavaScript\">\r\n"_qs u"\r\n</script>";
    QTest::newRow("VBScript two lines") << u"dialog.script"_qs << u"scriptDialog"_qs
        << Entries{u"scriptBody"_qs, u"Dim a\na = 1"_qs} << Entries{u"scriptLanguage"_qs, u"VBScript"_qs}
        << u"<script language=\"VBScript\" type=\"text/VBScript\">\r\n"_qs u"Dim a\r\na = 1\r\n</script>";
    QTest::newRow("script unknown language") << u"dialog.script"_qs << u"scriptDialog"_qs
        << Entries{u"scriptLanguage"_qs, u"javascript"_qs, u"scriptBody"_qs, u"x"_qs} << Entries{}
        << QString();
    QTest::newRow("date untouched") << u"dialog.date"_qs << u"dateDialog"_qs << Entries{} << Entries{}
        << u"星期二"_qs u" ";
    QTest::newRow("date sunday,") << u"dialog.date"_qs << u"dateDialog"_qs << Entries{}
        << Entries{u"dateWeekday"_qs, u"sunday,"_qs, u"dateFormat"_qs, u"05/31/05"_qs}
        << u"sunday, 05/31/05"_qs;
    QTest::newRow("date blank weekday") << u"dialog.date"_qs << u"dateDialog"_qs << Entries{}
        << Entries{u"dateWeekday"_qs, QString(), u"dateFormat"_qs, u"2005年05月31日"_qs} << u" " u"2005年05月31日"_qs;
    QTest::newRow("style sheet") << u"dialog.stylesheetLink"_qs << u"stylesheetLinkDialog"_qs
        << Entries{u"stylesheetPath"_qs, u"css\\main.css"_qs} << Entries{}
        << u"<link rel=\"stylesheet\" href=\"css\\main.css\" type=\"text/css\" />"_qs;
    QTest::newRow("caption untouched") << u"dialog.caption"_qs << u"captionDialog"_qs << Entries{}
        << Entries{} << u"<caption>\"\"</caption>"_qs;
    QTest::newRow("caption") << u"dialog.caption"_qs << u"captionDialog"_qs
        << Entries{u"captionText"_qs, u"销售表"_qs} << Entries{} << u"<caption>\"销售表\"</caption>"_qs;
}

void TestDialogWindows::okInsertsElementAtCaret()
{
    QFETCH(QString, command);
    QFETCH(QString, dialog);
    QFETCH(Entries, typed);
    QFETCH(Entries, picked);
    QFETCH(QString, element);
    QPointer<ElementDialog> opened = open(command, dialog);
    QVERIFY(opened);
    for (qsizetype i = 0; i + 1 < picked.size(); i += 2)
        pick(opened, picked[i], picked[i + 1]);
    for (qsizetype i = 0; i + 1 < typed.size(); i += 2) {
        QWidget *field = opened->findChild<QWidget *>(typed[i]);
        QVERIFY2(field, qPrintable(typed[i]));
        typeInto(field, typed[i + 1]);
    }
    QTest::mouseClick(opened->findChild<QPushButton *>(u"okButton"_qs), Qt::LeftButton);
    QCOMPARE(editor().getAllText(), u"A"_qs + element + u"B"_qs);
    QCOMPARE(editor().textCursor().position(), 1 + SourceEditor::withUnixLineBreaks(element).size());
    finishClosing();
    QVERIFY(opened.isNull());
    QCOMPARE(QGuiApplication::modalWindow(), nullptr);
}

void TestDialogWindows::okReplacesSelection()
{
    editor().selectAllText();
    ElementDialog *opened = open(u"dialog.anchor"_qs, u"anchorDialog"_qs);
    typeInto(opened->findChild<QWidget *>(u"anchorName"_qs), u"n"_qs);
    QTest::mouseClick(opened->findChild<QPushButton *>(u"okButton"_qs), Qt::LeftButton);
    QCOMPARE(editor().getAllText(), u"<a name=\"n\"></a>"_qs);
}

void TestDialogWindows::closingInsertsNothing_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("field");
    QTest::newRow("hyperlink") << u"dialog.hyperlink"_qs << u"hyperlinkDialog"_qs << u"hyperlinkTarget"_qs;
    QTest::newRow("e-mail") << u"dialog.email"_qs << u"emailLinkDialog"_qs << u"emailSubject"_qs;
    QTest::newRow("anchor") << u"dialog.anchor"_qs << u"anchorDialog"_qs << u"anchorName"_qs;
    QTest::newRow("image") << u"dialog.image"_qs << u"imageDialog"_qs << u"imageAlign"_qs;
    QTest::newRow("flash") << u"dialog.flash"_qs << u"flashDialog"_qs << u"flashPath"_qs;
    QTest::newRow("media") << u"dialog.media"_qs << u"mediaDialog"_qs << u"mediaHeight"_qs;
    QTest::newRow("background music") << u"dialog.backgroundMusic"_qs << u"backgroundMusicDialog"_qs
                                      << u"musicLoop"_qs;
    QTest::newRow("script") << u"dialog.script"_qs << u"scriptDialog"_qs << u"scriptBody"_qs;
    QTest::newRow("date") << u"dialog.date"_qs << u"dateDialog"_qs << u"dateWeekday"_qs;
    QTest::newRow("style sheet") << u"dialog.stylesheetLink"_qs << u"stylesheetLinkDialog"_qs
                                 << u"stylesheetPath"_qs;
    QTest::newRow("caption") << u"dialog.caption"_qs << u"captionDialog"_qs << u"captionText"_qs;
}

void TestDialogWindows::closingInsertsNothing()
{
    QFETCH(QString, command);
    QFETCH(QString, dialog);
    QFETCH(QString, field);
    const QByteArray fieldName = field.toLatin1();
    for (const char *way : {"cancel", "close box"}) {
        QPointer<ElementDialog> opened = open(command, dialog);
        QVERIFY(opened);
        const QString initial = opened->value(fieldName.constData());
        typeInto(opened->findChild<QWidget *>(field), u"typed"_qs);
        QCOMPARE_NE(opened->value(fieldName.constData()), initial);
        if (QByteArrayView(way) == "cancel")
            QTest::mouseClick(opened->findChild<QPushButton *>(u"cancelButton"_qs), Qt::LeftButton);
        else
            opened->windowHandle()->close();
        finishClosing();
        QVERIFY2(opened.isNull(), way);
        QCOMPARE(editor().getAllText(), u"AB"_qs);
        QCOMPARE(editor().textCursor().position(), 1);

        ElementDialog *again = open(command, dialog);
        QVERIFY(again);
        QCOMPARE(again->value(fieldName.constData()), initial);
        QTest::mouseClick(again->findChild<QPushButton *>(u"cancelButton"_qs), Qt::LeftButton);
        finishClosing();
    }
}

void TestDialogWindows::hyperlinkPresetsReplaceUrl_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("url");
    QTest::newRow("http") << u"hyperlinkHttp"_qs << u"http"_qs << u"http://"_qs;
    QTest::newRow("https") << u"hyperlinkHttps"_qs << u"https"_qs << u"https://"_qs;
    QTest::newRow("ftp") << u"hyperlinkFtp"_qs << u"ftp"_qs << u"ftp://"_qs;
    QTest::newRow("mailto") << u"hyperlinkMailto"_qs << u"mailto"_qs << u"mailto:"_qs;
}

void TestDialogWindows::hyperlinkPresetsReplaceUrl()
{
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(QString, url);
    ElementDialog *opened = open(u"dialog.hyperlink"_qs, u"hyperlinkDialog"_qs);
    typeInto(opened->findChild<QWidget *>(u"hyperlinkUrl"_qs), u"www.example.com"_qs);
    auto *preset = opened->findChild<QPushButton *>(button);
    QCOMPARE(preset->text(), caption);
    QTest::mouseClick(preset, Qt::LeftButton);
    QCOMPARE(opened->value("hyperlinkUrl"), url);
}

void TestDialogWindows::browseFillsPathField_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("browse");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("filter");
    QTest::newRow("hyperlink") << u"dialog.hyperlink"_qs << u"hyperlinkDialog"_qs << u"hyperlinkBrowse"_qs
                               << u"hyperlinkUrl"_qs << QString();
    QTest::newRow("flash") << u"dialog.flash"_qs << u"flashDialog"_qs << u"flashBrowse"_qs << u"flashPath"_qs
                           << u"flash文件|*swf|所有文件|*.*"_qs;
    QTest::newRow("media") << u"dialog.media"_qs << u"mediaDialog"_qs << u"mediaBrowse"_qs << u"mediaPath"_qs
                           << QString();
    QTest::newRow("background music") << u"dialog.backgroundMusic"_qs << u"backgroundMusicDialog"_qs
                                      << u"musicBrowse"_qs << u"musicPath"_qs << QString();
    QTest::newRow("style sheet") << u"dialog.stylesheetLink"_qs << u"stylesheetLinkDialog"_qs
                                 << u"stylesheetBrowse"_qs << u"stylesheetPath"_qs << u"css文件|*.css|所有文件|*.*\r\n"_qs;
}

void TestDialogWindows::browseFillsPathField()
{
    QFETCH(QString, command);
    QFETCH(QString, dialog);
    QFETCH(QString, browse);
    QFETCH(QString, field);
    QFETCH(QString, filter);
    ElementDialog *opened = open(command, dialog);
    QVERIFY(opened);
    auto *path = opened->findChild<QLineEdit *>(field);
    auto *button = opened->findChild<QPushButton *>(browse);
    QCOMPARE(button->text(), u"..."_qs);

    typeInto(path, u"typed"_qs);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(path->text(), QString());

    m_platform.files.push_back(u"C:\\site\\a b.file"_qs);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(path->text(), u"C:\\site\\a b.file"_qs);
    typeInto(path, u"x"_qs);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(path->text(), u"C:\\site\\a b.file"_qs);

    QCOMPARE(m_platform.fileRequests.size(), 3);
    QCOMPARE(m_platform.fileRequests[0].kind, FileDialogKind::Open);
    QCOMPARE(m_platform.fileRequests[0].filter, filter);
    QCOMPARE(m_platform.fileRequests[0].selectedEntry, 0);
    QCOMPARE(m_platform.fileRequests[0].fileName, QString());
    QCOMPARE(m_platform.fileRequests[2].fileName, u"C:\\site\\a b.file"_qs);
    QCOMPARE(m_window->mainFileDialog().fileName(), QString());
}

void TestDialogWindows::imageBrowseSharesMainFileDialog()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString page = folder.filePath(u"page.html"_qs);
    QFile file(page);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<p>\r\n");
    file.close();
    m_platform.answers.push_back(Answer::No);
    m_platform.files.push_back(page);
    m_window->commands().run(u"open"_qs);
    QCOMPARE(editor().getAllText(), u"<p>\r\n"_qs);

    ElementDialog *opened = open(u"dialog.image"_qs, u"imageDialog"_qs);
    auto *browse = opened->findChild<QPushButton *>(u"imageBrowse"_qs);
    QCOMPARE(browse->text(), u"..."_qs);
    typeInto(opened->findChild<QWidget *>(u"imagePath"_qs), u"typed.gif"_qs);
    QTest::mouseClick(browse, Qt::LeftButton);
    QCOMPARE(opened->value("imagePath"), page);
    const FileDialogRequest request = m_platform.fileRequests.constLast();
    QCOMPARE(request.kind, FileDialogKind::Open);
    QCOMPARE(request.filter, QString::fromUtf16(MainFileDialog::filter));
    QCOMPARE(request.selectedEntry, 1);

    m_platform.files.push_back(u"/pictures/logo.gif"_qs);
    QTest::mouseClick(browse, Qt::LeftButton);
    QCOMPARE(opened->value("imagePath"), u"/pictures/logo.gif"_qs);
    QTest::mouseClick(opened->findChild<QPushButton *>(u"cancelButton"_qs), Qt::LeftButton);
    finishClosing();
    QCOMPARE(m_window->mainFileDialog().fileName(), u"/pictures/logo.gif"_qs);

    // A later opening finds the same name after a cancelled browse.
    ElementDialog *again = open(u"dialog.image"_qs, u"imageDialog"_qs);
    QTest::mouseClick(again->findChild<QPushButton *>(u"imageBrowse"_qs), Qt::LeftButton);
    QCOMPARE(again->value("imagePath"), u"/pictures/logo.gif"_qs);
}

void TestDialogWindows::badInputInsertedUnchanged_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QString long10k;
    while (long10k.size() < 10000)
        long10k += u"\"<&>\\汉'"_qs;
    long10k.truncate(10000);
    QTest::newRow("10 000 characters in a URL") << u"dialog.hyperlink"_qs << u"hyperlinkDialog"_qs
        << u"hyperlinkUrl"_qs << long10k << u"<a href=\""_qs << u"\" title=\"\" target=\"_top\"></a> "_qs;
    QTest::newRow("10 000 characters as a width") << u"dialog.media"_qs << u"mediaDialog"_qs
        << u"mediaWidth"_qs << long10k << u"<embed src=\"\" width="_qs << u" height=></embed>"_qs;
    QTest::newRow("10 000 characters as a weekday") << u"dialog.date"_qs << u"dateDialog"_qs
        << u"dateWeekday"_qs << long10k << u"星期二"_qs << u" "_qs;
    QTest::newRow("line break pasted into a caption") << u"dialog.caption"_qs << u"captionDialog"_qs
        << u"captionText"_qs << u"one\r\ntwo"_qs << u"<caption>\""_qs << u"\"</caption>"_qs;
    QTest::newRow("markup in a script body") << u"dialog.script"_qs << u"scriptDialog"_qs
        << u"scriptBody"_qs << u"</script><b>&amp;\"\r\n\\n"_qs << u"<script language=\"JavaScript\" type=\"text/JavaScript\">\r\n"_qs << u"\r\n</script>"_qs;
}

void TestDialogWindows::badInputInsertedUnchanged()
{
    QFETCH(QString, command);
    QFETCH(QString, dialog);
    QFETCH(QString, field);
    QFETCH(QString, pasted);
    QFETCH(QString, before);
    QFETCH(QString, after);
    ElementDialog *opened = open(command, dialog);
    QVERIFY(opened);
    QGuiApplication::clipboard()->setText(pasted);
    QWidget *control = opened->findChild<QWidget *>(field);
    control->setFocus();
    QTest::keyClick(control, Qt::Key_V, Qt::ControlModifier);
    QTest::mouseClick(opened->findChild<QPushButton *>(u"okButton"_qs), Qt::LeftButton);
    const QString element = before + pasted + after;
    QCOMPARE(editor().getAllText(), u"A"_qs + element + u"B"_qs);
}

void TestDialogWindows::commandTwiceOpensOneDialog()
{
    m_window->commands().run(u"dialog.date"_qs);
    m_window->commands().run(u"dialog.date"_qs);
    QCOMPARE(m_window->findChildren<ElementDialog *>().size(), 1);
    ElementDialog *opened = m_window->findChild<ElementDialog *>();
    opened->findChild<QPushButton *>(u"okButton"_qs)->click();
    opened->findChild<QPushButton *>(u"okButton"_qs)->click();
    QCOMPARE(editor().getAllText(), u"A"_qs u"星期二" u" B");
}

QTEST_MAIN(TestDialogWindows)
#include "tst_dialogwindows.moc"
