#include "dialogs/scriptdialogs.h"

#include "dialogs/scriptelements.h"

const DialogDesign scriptDialogDesign = {
    "scriptDialog", u"脚本设置", {380, 316},
    {
        {ControlKind::GroupBox, "scriptFrame", u"", {6, 2, 360, 236}},
        {ControlKind::Label, "scriptLanguageLabel", u"语言：", {10, 14, 44, 22}, "scriptFrame",
         "scriptLanguage"},
        {ControlKind::ComboBox, "scriptLanguage", u"", {56, 14, 150, 22}, "scriptFrame", nullptr,
         {u"JavaScript", u"JavaScript1.1", u"JavaScript1.2", u"VBScript"}},
        {ControlKind::Label, "scriptBodyLabel", u"内容：", {10, 44, 60, 20}, "scriptFrame", "scriptBody"},
        {ControlKind::TextEdit, "scriptBody", u"", {10, 66, 340, 162}, "scriptFrame"},
        {ControlKind::OkButton, "okButton", u"确定", {220, 246, 70, 26}},
        {ControlKind::CancelButton, "cancelButton", u"取消", {296, 246, 70, 26}},
    },
    "scriptLanguage",
};

// Fixed samples of one date: the dialog never reads the clock.
const DialogDesign dateDialogDesign = {
    "dateDialog", u"日期", {297, 244},
    {
        {ControlKind::GroupBox, "dateFrame", u"", {6, 2, 276, 166}},
        {ControlKind::Label, "dateWeekdayLabel", u"星期格式：", {10, 14, 64, 22}, "dateFrame", "dateWeekday"},
        {ControlKind::ComboBox, "dateWeekday", u"", {76, 14, 190, 22}, "dateFrame", nullptr,
         {u"星期二", u"星期二,", u"sunday", u"sunday,", u"", u""}},
        {ControlKind::Label, "dateFormatLabel", u"日期格式：", {10, 44, 64, 22}, "dateFrame", "dateFormat"},
        {ControlKind::ListBox, "dateFormat", u"", {76, 44, 190, 114}, "dateFrame", nullptr,
         {u"2005-05-31", u"05/31/05", u"5/31/05", u"05.31.05", u"05.31.2005", u"05-31-2005", u"2005/05/31", u"2005年05月31日", u"31/05/05"}},
        {ControlKind::OkButton, "okButton", u"确定", {136, 176, 70, 26}},
        {ControlKind::CancelButton, "cancelButton", u"取消", {212, 176, 70, 26}},
    },
    "dateWeekday",
};

// The filter is used as stored, its final CR LF included.
const DialogDesign stylesheetLinkDialogDesign = {
    "stylesheetLinkDialog", u"加入已有的css", {380, 120},
    {
        {ControlKind::GroupBox, "stylesheetFrame", u"", {6, 2, 360, 44}},
        {ControlKind::Label, "stylesheetPathLabel", u"css:", {10, 12, 40, 22}, "stylesheetFrame",
         "stylesheetPath"},
        {ControlKind::LineEdit, "stylesheetPath", u"", {52, 12, 252, 22}, "stylesheetFrame"},
        {ControlKind::BrowseButton, "stylesheetBrowse", u"...", {310, 11, 40, 24}, "stylesheetFrame",
         "stylesheetPath"},
        {ControlKind::OkButton, "okButton", u"确定", {220, 52, 70, 26}},
        {ControlKind::CancelButton, "cancelButton", u"取消", {296, 52, 70, 26}},
    },
    nullptr,
    {u"css文件|*.css|所有文件|*.*\r\n"},
};

const DialogDesign captionDialogDesign = {
    "captionDialog", u"标题", {380, 141},
    {
        {ControlKind::GroupBox, "captionFrame", u"", {6, 2, 360, 64}},
        {ControlKind::Label, "captionTextLabel", u"标题：", {10, 22, 44, 22}, "captionFrame",
         "captionText"},
        {ControlKind::LineEdit, "captionText", u"", {56, 22, 294, 22}, "captionFrame"},
        {ControlKind::OkButton, "okButton", u"确定", {220, 74, 70, 26}},
        {ControlKind::CancelButton, "cancelButton", u"取消", {296, 74, 70, 26}},
    },
};

ElementResult scriptElement(ElementDialog &dialog, const QString &)
{
    return {scriptPieces({dialog.value("scriptLanguage"), dialog.value("scriptBody")})};
}

ElementResult dateElement(ElementDialog &dialog, const QString &)
{
    return {datePieces({dialog.value("dateWeekday"), dialog.value("dateFormat")})};
}

ElementResult stylesheetLinkElement(ElementDialog &dialog, const QString &)
{
    return {stylesheetLinkPieces(dialog.value("stylesheetPath"))};
}

ElementResult captionElement(ElementDialog &dialog, const QString &)
{
    return {captionPieces(dialog.value("captionText"))};
}
