#include "app/menutree.h"

#include "app/mainwindow.h"
#include "app/menuskin.h"

#include <QMenuBar>

#include <iterator>

namespace {

constexpr MenuEntry menuTree[] = {
    {u"  文件  ", 0, "fileMenu"},
    {u"新建", 1, "new"},
    {u"新建html文件", 2, "newHtml"},
    {u"新建asp文件", 2, "newAsp"},
    {u"新建css文件", 2, "newCss"},
    {u"打开", 1, "open"},
    {u"-", 1, nullptr},
    {u"保存", 1, "save"},
    {u"另存为...", 1, "save", "saveAs"},
    {u"-", 1, nullptr},
    {u"退出", 1, "exit"},
    {u"  编辑  ", 0, "editMenu"},
    {u"撤消", 1, "undo"},
    {u"-", 1, nullptr},
    {u"剪切", 1, "cut"},
    {u"复制", 1, "copy"},
    {u"粘贴", 1, "paste"},
    {u"删除", 1, "delete"},
    {u"-", 1, nullptr},
    {u"选择全部的", 1, "selectAllByLength"},
    {u"  插入  ", 0, "insertMenu"},
    {u"超级链接...", 1, "dialog.hyperlink"},
    {u"图片...", 1, "dialog.image"},
    {u"水平线", 1, "snippet.horizontalRule"},
    {u"多媒体", 1, "media"},
    {u"flash", 2, "dialog.flash"},
    {u"wmp", 2, "dialog.media"},
    {u"背景音乐", 2, "dialog.backgroundMusic"},
    {u"-", 1, nullptr},
    {u"加入以有的css", 1, "dialog.stylesheetLink"},
    {u"编辑css", 1, "snippet.editCss"},
    {u"-", 1, nullptr},
    {u"表格", 1, "table"},
    {u"表格", 2, "snippet.table"},
    {u"-", 2, nullptr},
    {u"TR", 2, "snippet.tableRow"},
    {u"TH", 2, "snippet.tableHeader"},
    {u"TD", 2, "snippet.tableCell"},
    {u"标题", 2, "dialog.caption"},
    {u"表单", 1, "form"},
    {u"表单", 2, "dialog.form"},
    {u"-", 2, nullptr},
    {u"文本框", 2, "dialog.textField"},
    {u"复选框", 2, "snippet.checkbox"},
    {u"单选框", 2, "snippet.radio"},
    {u"分组框", 2, "dialog.label"},
    {u"按键", 2, "dialog.button"},
    {u"下拉式列表", 2, "dialog.dropDown"},
    {u"脚本对象", 1, "scriptObjects"},
    {u"插入脚本", 2, "dialog.script"},
    {u"插入noscript", 2, "snippet.noscript"},
    {u"-", 2, nullptr},
    {u"插入JavaScript", 2, "dialog.script", "insertJavaScript"},
    {u"插入VBScript", 2, "dialog.script", "insertVBScript"},
    {u"-", 1, nullptr},
    {u"日期标签", 1, "dialog.date"},
    {u"时间标签", 1, "snippet.timeTag"},
    {u"  工具", 0, "toolsMenu"},
    {u"vb参考", 1, "reference.vb"},
    {u"html参考", 1, "reference.html"},
    {u"ihtml参考", 1, "reference.ihtml"},
    {u"asp参考", 1, "reference.asp"},
    {u"  java特效", 0, "scriptEffectsMenu"},
    {u"加入收藏夹", 1, "snippet.addFavourite"},
    {u"设为首页", 1, "snippet.setHomePage"},
    {u"调整窗体大小", 1, "snippet.resizeWindow"},
    {u"IE按钮", 1, "snippet.ieButtons"},
    {u"-", 1, nullptr},
    {u"分时问候", 1, "snippet.greeting"},
    {u"前后退按钮", 1, "snippet.backForward"},
    {u"检测浏览器", 1, "snippet.detectBrowser"},
    {u"防止网页被他人调用", 1, "snippet.preventFraming"},
    {u"IE浏览器滚动条设置", 1, "snippet.scrollbarColours"},
    {u"   SQL  ", 0, "sqlMenu"},
    {u"筛选", 1, "filter"},
    {u"SELECT*FROM..WHERE", 2, "snippet.selectWhere"},
    {u"SELECT*FROM..WHERE..LIKE", 2, "snippet.selectLike"},
    {u"SELECT*FROM..WHERE..IN", 2, "snippet.selectIn"},
    {u"SELECT*FROM..WHERE..BETWEEN", 2, "snippet.selectBetween"},
    {u"-", 1, nullptr},
    {u"排序", 1, "sort"},
    {u"递增", 2, "snippet.orderAscending"},
    {u"递减", 2, "snippet.orderDescending"},
    {u"-", 1, nullptr},
    {u"增加记录", 1, "snippet.insertRecord"},
    {u"更新记录", 1, "snippet.updateRecord"},
    {u"删除记录", 1, "snippet.deleteRecord"},
    {u"  选项", 0, "optionsMenu"},
    {u"字体设置", 1, "font"},
    {u"背景设置", 1, "dialog.background"},
    {u"  帮助  ", 0, "helpMenu"},
    {u"即时帮助", 1, "help"},
    {u"-", 1, nullptr},
    {u"关于", 1, "dialog.about"},
    {u"鼠标菜单", 0, "contextMenu", nullptr, MenuEntry::Hidden},
    {u"剪切", 1, "cut"},
    {u"复制", 1, "copy"},
    {u"粘贴", 1, "paste"},
    {u"删除", 1, "delete"},
    {u"-", 1, nullptr},
    {u"选择全部的", 1, "selectAllByRange"},
};

bool opensSubMenu(const MenuEntry *entry, const MenuEntry *end)
{
    return entry + 1 != end && entry[1].level > entry->level;
}

} // namespace

void buildMenus(MainWindow &window)
{
    QMenuBar *bar = window.menuBar();
    bar->setObjectName(u"menuBar"_qs);
    MenuSkin::apply(*bar);

    // menus[level] is the menu that takes the entries of the next level.
    QMenu *menus[3] = {};
    QString menuName;
    const MenuEntry *const end = std::end(menuTree);
    for (const MenuEntry *entry = std::begin(menuTree); entry != end; ++entry) {
        const QString caption = QString::fromUtf16(entry->caption);
        if (entry->level == 0) {
            menuName = QString::fromLatin1(entry->name);
            auto *menu = new QMenu(caption, &window);
            menu->setObjectName(menuName);
            MenuSkin::apply(*menu);
            if (entry->visibility == MenuEntry::Shown)
                bar->addMenu(menu);
            menus[0] = menu;
            continue;
        }
        QMenu *parent = menus[entry->level - 1];
        if (caption == u"-"_qs) {
            parent->addSeparator();
        } else if (opensSubMenu(entry, end)) {
            QMenu *subMenu = parent->addMenu(caption);
            subMenu->setObjectName(menuName + u'.' + QString::fromLatin1(entry->name));
            menus[entry->level] = subMenu;
        } else {
            QAction *action = parent->addAction(caption);
            const QString command = QString::fromLatin1(entry->name);
            action->setObjectName(menuName + u'.'
                                  + (entry->alias ? QString::fromLatin1(entry->alias) : command));
            QObject::connect(action, &QAction::triggered, &window,
                             [&window, command] { window.commands().run(command); });
        }
    }
}

QMenu *findContextMenu(const QWidget &window)
{
    return window.findChild<QMenu *>(u"contextMenu"_qs, Qt::FindDirectChildrenOnly);
}

QAction *findMenuAction(const QWidget &window, const QString &objectName)
{
    return window.findChild<QAction *>(objectName);
}
