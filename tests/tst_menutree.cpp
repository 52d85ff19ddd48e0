#include "app/mainwindow.h"
#include "app/menutree.h"
#include "fakeplatform.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>

class TestMenuTree : public QObject
{
    Q_OBJECT

private slots:
    void barShowsEightMenus();
    void everyItemRunsItsCommand();
    void itemsStartPlainAndEnabled();
    void exitAsksTheSaveQuestion();
    void saveAndSaveAsBothAskForAName();

private:
    static QList<QMenu *> barMenus(const MainWindow &window);
};

QList<QMenu *> TestMenuTree::barMenus(const MainWindow &window)
{
    QList<QMenu *> menus;
    for (QAction *action : window.menuBar()->actions())
        menus << action->menu();
    return menus;
}

void TestMenuTree::barShowsEightMenus()
{
    FakePlatform platform;
    MainWindow window(platform);
    QStringList captions;
    for (const QMenu *menu : barMenus(window))
        captions << menu->title();
    QCOMPARE(captions, (QStringList{u"  文件  "_qs, u"  编辑  "_qs, u"  插入  "_qs, u"  工具"_qs,
                                    u"  java特效"_qs, u"   SQL  "_qs, u"  选项"_qs, u"  帮助  "_qs}));
    const QMenu *contextMenu = findContextMenu(window);
    QVERIFY(contextMenu);
    QCOMPARE(contextMenu->title(), u"鼠标菜单"_qs);
    QVERIFY(!window.menuBar()->actions().contains(contextMenu->menuAction()));
}

// Walks the bar's menus and the right-click menu in display order and triggers every item, with
// each command replaced by a recorder. A row is "path|command", a separator "path›-|".
void TestMenuTree::everyItemRunsItsCommand()
{
    const QStringList expected{
        u"  文件  ›新建›新建html文件|newHtml"_qs,
        u"  文件  ›新建›新建asp文件|newAsp"_qs,
        u"  文件  ›新建›新建css文件|newCss"_qs,
        u"  文件  ›打开|open"_qs,
        u"  文件  ›-|"_qs,
        u"  文件  ›保存|save"_qs,
        u"  文件  ›另存为...|save"_qs,
        u"  文件  ›-|"_qs,
        u"  文件  ›退出|exit"_qs,
        u"  编辑  ›撤消|undo"_qs,
        u"  编辑  ›-|"_qs,
        u"  编辑  ›剪切|cut"_qs,
        u"  编辑  ›复制|copy"_qs,
        u"  编辑  ›粘贴|paste"_qs,
        u"  编辑  ›删除|delete"_qs,
        u"  编辑  ›-|"_qs,
        u"  编辑  ›选择全部的|selectAllByLength"_qs,
        u"  插入  ›超级链接...|dialog.hyperlink"_qs,
        u"  插入  ›图片...|dialog.image"_qs,
        u"  插入  ›水平线|snippet.horizontalRule"_qs,
        u"  插入  ›多媒体›flash|dialog.flash"_qs,
        u"  插入  ›多媒体›wmp|dialog.media"_qs,
        u"  插入  ›多媒体›背景音乐|dialog.backgroundMusic"_qs,
        u"  插入  ›-|"_qs,
        u"  插入  ›加入以有的css|dialog.stylesheetLink"_qs,
        u"  插入  ›编辑css|snippet.editCss"_qs,
        u"  插入  ›-|"_qs,
        u"  插入  ›表格›表格|snippet.table"_qs,
        u"  插入  ›表格›-|"_qs,
        u"  插入  ›表格›TR|snippet.tableRow"_qs,
        u"  插入  ›表格›TH|snippet.tableHeader"_qs,
        u"  插入  ›表格›TD|snippet.tableCell"_qs,
        u"  插入  ›表格›标题|dialog.caption"_qs,
        u"  插入  ›表单›表单|dialog.form"_qs,
        u"  插入  ›表单›-|"_qs,
        u"  插入  ›表单›文本框|dialog.textField"_qs,
        u"  插入  ›表单›复选框|snippet.checkbox"_qs,
        u"  插入  ›表单›单选框|snippet.radio"_qs,
        u"  插入  ›表单›分组框|dialog.label"_qs,
        u"  插入  ›表单›按键|dialog.button"_qs,
        u"  插入  ›表单›下拉式列表|dialog.dropDown"_qs,
        u"  插入  ›脚本对象›插入脚本|dialog.script"_qs,
        u"  插入  ›脚本对象›插入noscript|snippet.noscript"_qs,
        u"  插入  ›脚本对象›-|"_qs,
        u"  插入  ›脚本对象›插入JavaScript|dialog.script"_qs,
        u"  插入  ›脚本对象›插入VBScript|dialog.script"_qs,
        u"  插入  ›-|"_qs,
        u"  插入  ›日期标签|dialog.date"_qs,
        u"  插入  ›时间标签|snippet.timeTag"_qs,
        u"  工具›vb参考|reference.vb"_qs,
        u"  工具›html参考|reference.html"_qs,
        u"  工具›ihtml参考|reference.ihtml"_qs,
        u"  工具›asp参考|reference.asp"_qs,
        u"  java特效›加入收藏夹|snippet.addFavourite"_qs,
        u"  java特效›设为首页|snippet.setHomePage"_qs,
        u"  java特效›调整窗体大小|snippet.resizeWindow"_qs,
        u"  java特效›IE按钮|snippet.ieButtons"_qs,
        u"  java特效›-|"_qs,
        u"  java特效›分时问候|snippet.greeting"_qs,
        u"  java特效›前后退按钮|snippet.backForward"_qs,
        u"  java特效›检测浏览器|snippet.detectBrowser"_qs,
        u"  java特效›防止网页被他人调用|snippet.preventFraming"_qs,
        u"  java特效›IE浏览器滚动条设置|snippet.scrollbarColours"_qs,
        u"   SQL  ›筛选›SELECT*FROM..WHERE|snippet.selectWhere"_qs,
        u"   SQL  ›筛选›SELECT*FROM..WHERE..LIKE|snippet.selectLike"_qs,
        u"   SQL  ›筛选›SELECT*FROM..WHERE..IN|snippet.selectIn"_qs,
        u"   SQL  ›筛选›SELECT*FROM..WHERE..BETWEEN|snippet.selectBetween"_qs,
        u"   SQL  ›-|"_qs,
        u"   SQL  ›排序›递增|snippet.orderAscending"_qs,
        u"   SQL  ›排序›递减|snippet.orderDescending"_qs,
        u"   SQL  ›-|"_qs,
        u"   SQL  ›增加记录|snippet.insertRecord"_qs,
        u"   SQL  ›更新记录|snippet.updateRecord"_qs,
        u"   SQL  ›删除记录|snippet.deleteRecord"_qs,
        u"  选项›字体设置|font"_qs,
        u"  选项›背景设置|dialog.background"_qs,
        u"  帮助  ›即时帮助|help"_qs,
        u"  帮助  ›-|"_qs,
        u"  帮助  ›关于|dialog.about"_qs,
        u"鼠标菜单›剪切|cut"_qs,
        u"鼠标菜单›复制|copy"_qs,
        u"鼠标菜单›粘贴|paste"_qs,
        u"鼠标菜单›删除|delete"_qs,
        u"鼠标菜单›-|"_qs,
        u"鼠标菜单›选择全部的|selectAllByRange"_qs,
    };

    FakePlatform platform;
    MainWindow window(platform);
    QString lastRun;
    for (const QString &row : expected) {
        const QString command = row.section(u'|', 1);
        if (!command.isEmpty())
            window.commands().define(command, [&lastRun, command] { lastRun = command; });
    }

    QStringList rows;
    std::function<void(QMenu *, const QString &)> walk = [&](QMenu *menu, const QString &path) {
        for (QAction *action : menu->actions()) {
            if (action->isSeparator()) {
                rows << path + u"›-|"_qs;
            } else if (action->menu()) {
                walk(action->menu(), path + u'›' + action->text());
            } else {
                lastRun.clear();
                action->trigger();
                rows << path + u'›' + action->text() + u'|' + lastRun;
            }
        }
    };
    QList<QMenu *> menus = barMenus(window);
    menus << findContextMenu(window);
    for (QMenu *menu : menus)
        walk(menu, menu->title());
    QCOMPARE(rows, expected);
}

// Every item can be found by a name of its own, and none carries a shortcut, mnemonic or check.
void TestMenuTree::itemsStartPlainAndEnabled()
{
    FakePlatform platform;
    MainWindow window(platform);
    static const QRegularExpression asciiName(u"^[A-Za-z][A-Za-z.]*$"_qs);
    QSet<QString> names;
    for (const QAction *action : window.findChildren<QAction *>()) {
        if (action->isSeparator() || action->menu())
            continue;
        const QString name = action->objectName();
        QVERIFY2(asciiName.match(name).hasMatch() && !names.contains(name),
                 qPrintable(action->text()));
        names.insert(name);
        QVERIFY2(action->isEnabled() && action->isVisible(), qPrintable(action->objectName()));
        QVERIFY2(action->shortcut().isEmpty(), qPrintable(action->objectName()));
        QVERIFY2(!action->isCheckable(), qPrintable(action->objectName()));
        QVERIFY2(!action->text().contains(u'&'), qPrintable(action->objectName()));
    }
}

void TestMenuTree::exitAsksTheSaveQuestion()
{
    FakePlatform platform;
    MainWindow window(platform);
    window.show();
    platform.answers = {Answer::Cancel, Answer::No};
    QAction *exit = findMenuAction(window, u"fileMenu.exit"_qs);
    QVERIFY(exit);
    exit->trigger();
    QCOMPARE(platform.questions.size(), 1);
    QVERIFY(window.isVisible());
    exit->trigger();
    QCOMPARE(platform.questions.size(), 2);
    QVERIFY(!window.isVisible());
}

void TestMenuTree::saveAndSaveAsBothAskForAName()
{
    FakePlatform platform;
    MainWindow window(platform);
    for (const QString &name : {u"fileMenu.save"_qs, u"fileMenu.saveAs"_qs}) {
        QAction *action = findMenuAction(window, name);
        QVERIFY2(action, qPrintable(name));
        platform.files.push_back(std::nullopt);
        action->trigger();
    }
    QCOMPARE(platform.fileRequests.size(), 2);
    QCOMPARE(platform.fileRequests[0].kind, FileDialogKind::Save);
    QCOMPARE(platform.fileRequests[1].kind, FileDialogKind::Save);
}

QTEST_MAIN(TestMenuTree)
#include "tst_menutree.moc"
