#include "dialogs/mediadialogs.h"

#include "dialogs/mediaelements.h"

// "..." borrows the main window's file dialog, so a chosen image is where Save finds it.
const DialogDesign imageDialogDesign = {
    "imageDialog", u"图片设置", {380, 230},
    {
        {ControlKind::GroupBox, "imageFrame", u"", {6, 2, 360, 148}},
        {ControlKind::Label, "imagePathLabel", u"图片位置：", {10, 14, 64, 22}, "imageFrame", "imagePath"},
        {ControlKind::LineEdit, "imagePath", u"", {76, 14, 228, 22}, "imageFrame"},
        {ControlKind::BrowseButton, "imageBrowse", u"...", {310, 13, 40, 24}, "imageFrame",
         "imagePath"},
        {ControlKind::Label, "imageWidthLabel", u"宽度：", {10, 48, 64, 22}, "imageFrame", "imageWidth"},
        {ControlKind::LineEdit, "imageWidth", u"", {76, 48, 96, 22}, "imageFrame"},
        {ControlKind::Label, "imageHeightLabel", u"高度：", {186, 48, 64, 22}, "imageFrame",
         "imageHeight"},
        {ControlKind::LineEdit, "imageHeight", u"", {254, 48, 96, 22}, "imageFrame"},
        {ControlKind::Label, "imageAlignLabel", u"文本环绕：", {10, 82, 64, 22}, "imageFrame", "imageAlign"},
        {ControlKind::ComboBox, "imageAlign", u"", {76, 82, 96, 22}, "imageFrame", nullptr,
         {u"top", u"middle", u"bottom"}},
        {ControlKind::Label, "imageBorderLabel", u"边框：", {186, 82, 64, 22}, "imageFrame",
         "imageBorder"},
        {ControlKind::LineEdit, "imageBorder", u"", {254, 82, 96, 22}, "imageFrame"},
        {ControlKind::Label, "imageAltLabel", u"ALT：", {10, 116, 64, 22}, "imageFrame", "imageAlt"},
        {ControlKind::LineEdit, "imageAlt", u"", {76, 116, 96, 22}, "imageFrame"},
        {ControlKind::Label, "imageMapNameLabel", u"地图名称：", {186, 116, 64, 22}, "imageFrame",
         "imageMapName"},
        {ControlKind::LineEdit, "imageMapName", u"", {254, 116, 96, 22}, "imageFrame"},
        {ControlKind::OkButton, "okButton", u"确定", {220, 158, 70, 26}},
        {ControlKind::CancelButton, "cancelButton", u"取消", {296, 158, 70, 26}},
    },
    nullptr,
    {.borrowsMainFileDialog = true},
};

// The filter's first pattern has no dot: it lists every name ending in swf.
const DialogDesign flashDialogDesign = {
    "flashDialog", u"flash元素", {382, 118},
    {
        {ControlKind::Label, "flashPathLabel", u"flash:", {10, 14, 44, 22}, nullptr, "flashPath"},
        {ControlKind::LineEdit, "flashPath", u"", {56, 14, 262, 22}},
        {ControlKind::BrowseButton, "flashBrowse", u"...", {324, 13, 40, 24}, nullptr, "flashPath"},
        {ControlKind::OkButton, "okButton", u"确定", {218, 50, 70, 26}},
        {ControlKind::CancelButton, "cancelButton", u"取消", {294, 50, 70, 26}},
    },
    nullptr,
    {u"flash文件|*swf|所有文件|*.*"},
};

// The size labels are the reverse of their roles: "高度：" gives the width, "宽度：" the height.
const DialogDesign mediaDialogDesign = {
    "mediaDialog", u"插入的mp媒体", {380, 202},
    {
        {ControlKind::GroupBox, "mediaFrame", u"", {6, 2, 360, 120}},
        {ControlKind::Label, "mediaPathLabel", u"视频文件路径：", {10, 14, 92, 22}, "mediaFrame", "mediaPath"},
        {ControlKind::LineEdit, "mediaPath", u"", {104, 14, 200, 22}, "mediaFrame"},
        {ControlKind::BrowseButton, "mediaBrowse", u"...", {310, 13, 40, 24}, "mediaFrame",
         "mediaPath"},
        {ControlKind::Label, "mediaWidthLabel", u"高度：", {10, 50, 92, 22}, "mediaFrame", "mediaWidth"},
        {ControlKind::LineEdit, "mediaWidth", u"", {104, 50, 96, 22}, "mediaFrame"},
        {ControlKind::Label, "mediaHeightLabel", u"宽度：", {10, 86, 92, 22}, "mediaFrame",
         "mediaHeight"},
        {ControlKind::LineEdit, "mediaHeight", u"", {104, 86, 96, 22}, "mediaFrame"},
        {ControlKind::OkButton, "okButton", u"确定", {220, 130, 70, 26}},
        {ControlKind::CancelButton, "cancelButton", u"取消", {296, 130, 70, 26}},
    },
};

const DialogDesign backgroundMusicDialogDesign = {
    "backgroundMusicDialog", u"背景音乐", {380, 208},
    {
        {ControlKind::GroupBox, "musicFrame", u"", {6, 2, 360, 128}},
        {ControlKind::Label, "musicPathLabel", u"媒体路径：", {10, 14, 64, 22}, "musicFrame", "musicPath"},
        {ControlKind::LineEdit, "musicPath", u"", {76, 14, 228, 22}, "musicFrame"},
        {ControlKind::BrowseButton, "musicBrowse", u"...", {310, 13, 40, 24}, "musicFrame",
         "musicPath"},
        {ControlKind::Label, "musicLoopLabel", u"播放次数：", {10, 50, 64, 22}, "musicFrame", "musicLoop"},
        {ControlKind::LineEdit, "musicLoop", u"", {76, 50, 96, 22}, "musicFrame"},
        {ControlKind::Label, "musicHintLabel", u"提示：", {10, 82, 64, 20}, "musicFrame"},
        {ControlKind::Label, "musicHint", u"循环播放请输入 -1", {76, 100, 200, 20}, "musicFrame"},
        {ControlKind::OkButton, "okButton", u"确定", {220, 138, 70, 26}},
        {ControlKind::CancelButton, "cancelButton", u"取消", {296, 138, 70, 26}},
    },
};

ElementResult imageElement(ElementDialog &dialog, const QString &)
{
    return {imagePieces({dialog.value("imagePath"), dialog.value("imageWidth"),
                         dialog.value("imageHeight"), dialog.value("imageAlign"),
                         dialog.value("imageBorder"), dialog.value("imageAlt"),
                         dialog.value("imageMapName")})};
}

ElementResult flashElement(ElementDialog &dialog, const QString &)
{
    return {flashPieces(dialog.value("flashPath"))};
}

ElementResult mediaElement(ElementDialog &dialog, const QString &)
{
    return {mediaPieces({dialog.value("mediaPath"), dialog.value("mediaWidth"),
                         dialog.value("mediaHeight")})};
}

ElementResult backgroundMusicElement(ElementDialog &dialog, const QString &)
{
    return {backgroundMusicPieces({dialog.value("musicPath"), dialog.value("musicLoop")})};
}
