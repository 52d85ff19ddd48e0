#include "dialogs/linkdialogs.h"

#include "dialogs/linkelements.h"

const DialogDesign hyperlinkDialogDesign = {
    "hyperlinkDialog", u"超连接", {380, 250},
    {
        {ControlKind::GroupBox, "hyperlinkUrlFrame", u"", {6, 2, 360, 82}},
        {ControlKind::Label, "hyperlinkUrlLabel", u"URL：", {10, 18, 46, 22}, "hyperlinkUrlFrame",
         "hyperlinkUrl"},
        {ControlKind::LineEdit, "hyperlinkUrl", u"", {58, 18, 246, 22}, "hyperlinkUrlFrame"},
        {ControlKind::BrowseButton, "hyperlinkBrowse", u"...", {310, 17, 40, 24},
         "hyperlinkUrlFrame", "hyperlinkUrl"},
        {ControlKind::PresetButton, "hyperlinkHttp", u"http", {58, 48, 56, 24}, "hyperlinkUrlFrame",
         "hyperlinkUrl", {u"http://"}},
        {ControlKind::PresetButton, "hyperlinkHttps", u"https", {120, 48, 56, 24},
         "hyperlinkUrlFrame", "hyperlinkUrl", {u"https://"}},
        {ControlKind::PresetButton, "hyperlinkFtp", u"ftp", {182, 48, 56, 24}, "hyperlinkUrlFrame",
         "hyperlinkUrl", {u"ftp://"}},
        {ControlKind::PresetButton, "hyperlinkMailto", u"mailto", {244, 48, 56, 24},
         "hyperlinkUrlFrame", "hyperlinkUrl", {u"mailto:"}},
        {ControlKind::GroupBox, "hyperlinkTitleFrame", u"", {6, 88, 360, 84}},
        {ControlKind::Label, "hyperlinkTitleLabel", u"标题：", {10, 16, 46, 22}, "hyperlinkTitleFrame",
         "hyperlinkTitle"},
        {ControlKind::LineEdit, "hyperlinkTitle", u"", {58, 16, 292, 22}, "hyperlinkTitleFrame"},
        {ControlKind::Label, "hyperlinkTargetLabel", u"目标：", {10, 50, 46, 22}, "hyperlinkTitleFrame",
         "hyperlinkTarget"},
        {ControlKind::ComboBox, "hyperlinkTarget", u"", {58, 50, 160, 22}, "hyperlinkTitleFrame", nullptr,
         {u"_top", u"_self", u"_blank", u"_parent"}},
        {ControlKind::OkButton, "okButton", u"确定", {220, 180, 70, 26}},
        {ControlKind::CancelButton, "cancelButton", u"取消", {296, 180, 70, 26}},
    },
    "hyperlinkTarget",
};

// The labels do not tell the roles: the field labelled "文本：" holds the address and the one
// labelled "E-mail：" the subject.
const DialogDesign emailLinkDialogDesign = {
    "emailLinkDialog", u"E-mail连接", {380, 161},
    {
        {ControlKind::GroupBox, "emailFrame", u"", {6, 2, 360, 84}},
        {ControlKind::Label, "emailAddressLabel", u"文本：", {10, 18, 60, 22}, "emailFrame",
         "emailAddress"},
        {ControlKind::LineEdit, "emailAddress", u"", {72, 18, 278, 22}, "emailFrame"},
        {ControlKind::Label, "emailSubjectLabel", u"E-mail：", {10, 50, 60, 22}, "emailFrame",
         "emailSubject"},
        {ControlKind::LineEdit, "emailSubject", u"", {72, 50, 278, 22}, "emailFrame"},
        {ControlKind::OkButton, "okButton", u"确定", {220, 94, 70, 26}},
        {ControlKind::CancelButton, "cancelButton", u"取消", {296, 94, 70, 26}},
    },
};

const DialogDesign anchorDialogDesign = {
    "anchorDialog", u"命名标记", {380, 107},
    {
        {ControlKind::GroupBox, "anchorFrame", u"", {6, 0, 360, 38}},
        {ControlKind::Label, "anchorNameLabel", u"标记：", {10, 9, 46, 22}, "anchorFrame", "anchorName"},
        {ControlKind::LineEdit, "anchorName", u"", {58, 9, 292, 22}, "anchorFrame"},
        {ControlKind::OkButton, "okButton", u"确定", {220, 43, 70, 26}},
        {ControlKind::CancelButton, "cancelButton", u"取消", {296, 43, 70, 26}},
    },
};

ElementResult hyperlinkElement(ElementDialog &dialog, const QString &)
{
    return {hyperlinkPieces({dialog.value("hyperlinkUrl"), dialog.value("hyperlinkTitle"),
                             dialog.value("hyperlinkTarget")})};
}

ElementResult emailLinkElement(ElementDialog &dialog, const QString &)
{
    return {emailLinkPieces({dialog.value("emailAddress"), dialog.value("emailSubject")})};
}

ElementResult anchorElement(ElementDialog &dialog, const QString &)
{
    return {anchorPieces(dialog.value("anchorName"))};
}
