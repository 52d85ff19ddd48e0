#include "commands/aboutdialog.h"

#include "dialogs/elementdialog.h"

#include <QFont>
#include <QLabel>

const DialogDesign aboutDialogDesign = {
    "aboutDialog", u"关于...", {380, 272},
    {
        {ControlKind::Label, "aboutName", u"软件名称： 墨桥开发的网页开发系统", {24, 8, 232, 32}},
        {ControlKind::Label, "aboutVersion", u"软件版本：1.0", {24, 40, 248, 32}},
        {ControlKind::Label, "aboutDesigner", u"软件设计： lanyue", {16, 72, 248, 32}},
        {ControlKind::GroupBox, "aboutFeatures", u"功能介绍：", {16, 112, 344, 120}},
        {ControlKind::Label, "aboutDescription",
         u"墨桥开发的网页开发系统可以建立普通网页和ASP网页。内容设有html标签，asp等标签，还有css编辑，vb,java等常用插件的直接调用和自己设计，而且还可以把自己找到的网页特效收集在本软件，方便调用，让你在网页编辑时得心应手。",
         {15, 14, 320, 66}, "aboutFeatures"},
        {ControlKind::Label, "aboutThanks",
         u"当然，软件也还存在许多不足，这里期待着你的提出和建议，以便本软件能更好的帮助你工作，最后感谢你使用本软件！",
         {16, 78, 312, 40}, "aboutFeatures"},
        {ControlKind::OkButton, "aboutOk", u"确定", {288, 24, 72, 32}},
    },
};

ElementDialog *openAboutDialog(MainWindow &mainWindow)
{
    // "确定" inserts nothing and closes.
    ElementDialog *dialog = openElementDialog(mainWindow, aboutDialogDesign,
                                              [](ElementDialog &, const QString &) {
                                                  return ElementResult{};
                                              });
    // The boxes of the long texts are sized for the design's 9-point "宋体".
    QFont designFont(u"宋体"_qs);
    designFont.setPointSize(9);
    dialog->setFont(designFont);
    // Long texts wrap from the top of their box, as a static text does.
    for (QLabel *label : dialog->findChildren<QLabel *>()) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    return dialog;
}
