#include "dialogs/formdialogs.h"

#include "dialogs/choicedialogs.h"
#include "dialogs/elementdialogcommands.h"
#include "dialogs/formelements.h"

#include <QListWidget>
#include <QPushButton>

namespace {

using enum ControlKind;

const DialogDesign formDialogDesign{
    "formDialog", u"表域", {380, 171}, {
        {GroupBox, "formFrame", u"", {2, 0, 368, 104}},
        {Label, "formMethodLabel", u"发送到方法：", {16, 16, 78, 32}, "formFrame", "formMethod"},
        {ComboBox, "formMethod", u"", {96, 20, 240, 20}, "formFrame", nullptr, {u"POST", u"GET"}},
        {Label, "formActionLabel", u"发  送  到：", {15, 53, 80, 16}, "formFrame", "formAction"},
        {LineEdit, "formAction", u"", {94, 52, 192, 20}, "formFrame"},
        {BrowseButton, "formBrowse", u"...", {302, 50, 35, 25}, "formFrame", "formAction"},
        {OkButton, "formOk", u"确定", {237, 112, 50, 25}},
        {CancelButton, "formCancel", u"取消", {304, 112, 50, 25}},
    }};

const DialogDesign textFieldDialogDesign{
    "textFieldDialog", u"文本框", {326, 261}, {
        {TabControl, "textFieldTabs", u"", {-1, 0, 370, 313}},
        {TabPage, "inputPage", u"         单行文本框      ", {}, "textFieldTabs"},
        {TabPage, "textAreaPage", u"         多行文本框      ", {}, "textFieldTabs"},
        {GroupBox, "inputFrame", u"", {1, 22, 320, 170}, "inputPage"},
        {Label, "inputNameLabel", u"名称：", {19, 19, 40, 32}, "inputFrame", "inputName"},
        {LineEdit, "inputName", u"text1", {65, 25, 216, 20}, "inputFrame"},
        {Label, "inputValueLabel", u"初始值：", {8, 67, 56, 32}, "inputFrame", "inputValue"},
        {LineEdit, "inputValue", u"", {64, 75, 216, 20}, "inputFrame"},
        // Labels the pair of radio buttons, which carry their own captions.
        {Label, "inputPasswordLabel", u"是否为密码域：", {16, 115, 88, 24}, "inputFrame"},
        {RadioButton, "inputPassword", u"是", {120, 115, 64, 24}, "inputFrame"},
        {RadioButton, "inputPlain", u"否", {200, 115, 56, 24}, "inputFrame"},
        {OkButton, "inputOk", u"确定", {191, 200, 50, 25}, "inputPage"},
        {CancelButton, "inputCancel", u"取消", {259, 199, 50, 25}, "inputPage"},
        {GroupBox, "textAreaFrame", u"", {1, 21, 320, 179}, "textAreaPage"},
        {Label, "textAreaNameLabel", u"名称：", {25, 21, 32, 24}, "textAreaFrame", "textAreaName"},
        {LineEdit, "textAreaName", u"S1", {65, 23, 232, 20}, "textAreaFrame"},
        {Label, "textAreaLinesLabel", u"初始值：", {13, 48, 48, 16}, "textAreaFrame", "textAreaLines"},
        {ListBox, "textAreaLines", u"", {24, 67, 232, 72}, "textAreaFrame"},
        {PushButton, "textAreaAdd", u"添加", {264, 72, 50, 25}, "textAreaFrame"},
        {PushButton, "textAreaDelete", u"删除", {264, 108, 50, 25}, "textAreaFrame"},
        {Label, "textAreaWidthLabel", u"宽度：", {8, 147, 40, 24}, "textAreaFrame", "textAreaWidth"},
        {LineEdit, "textAreaWidth", u"40", {50, 147, 102, 20}, "textAreaFrame"},
        {Label, "textAreaHeightLabel", u"高度：", {168, 150, 40, 21}, "textAreaFrame", "textAreaHeight"},
        {LineEdit, "textAreaHeight", u"10", {208, 147, 104, 20}, "textAreaFrame"},
        {OkButton, "textAreaOk", u"确定", {196, 207, 50, 25}, "textAreaPage"},
        {CancelButton, "textAreaCancel", u"取消", {260, 208, 50, 25}, "textAreaPage"},
    }};

const DialogDesign addTextDesign{
    "addTextDialog", u"添加文本", {380, 155}, {
        {GroupBox, "addTextFrame", u"", {1, -1, 368, 89}},
        {Label, "addTextLineLabel", u"加入的文本：", {7, 33, 72, 35}, "addTextFrame", "addTextLine"},
        {LineEdit, "addTextLine", u"", {88, 40, 256, 20}, "addTextFrame"},
        {OkButton, "addTextOk", u"确定", {230, 96, 50, 25}},
        {CancelButton, "addTextCancel", u"取消", {296, 96, 50, 25}},
    }};

ElementResult formElement(ElementDialog &dialog, const QString &)
{
    return {formPieces({dialog.value("formMethod"), dialog.value("formAction")})};
}

PasswordChoice passwordChoice(const ElementDialog &dialog)
{
    if (dialog.isChecked("inputPassword"))
        return PasswordChoice::Password;
    if (dialog.isChecked("inputPlain"))
        return PasswordChoice::Plain;
    return PasswordChoice::Unchosen;
}

// Each page's "确定" reads only its own page. The text area page stays open for another one.
ElementResult textFieldElement(ElementDialog &dialog, const QString &okButton)
{
    if (okButton == u"textAreaOk") {
        const TextAreaFields fields{dialog.value("textAreaName"), dialog.value("textAreaWidth"),
                                    dialog.value("textAreaHeight"),
                                    listEntries(*dialog.control<QListWidget>("textAreaLines"))};
        return {textAreaPieces(fields), true};
    }
    return {inputPieces({dialog.value("inputName"), dialog.value("inputValue"),
                         passwordChoice(dialog)})};
}

void setUpTextAreaPage(ElementDialog &dialog)
{
    auto *lines = dialog.control<QListWidget>("textAreaLines");
    QObject::connect(dialog.control<QPushButton>("textAreaAdd"), &QPushButton::clicked, &dialog,
                     [&dialog, lines] {
                         // The line field keeps its text, so each press appends it again.
                         openAddWindow(dialog, addTextDesign, [lines](ElementDialog &addWindow) {
                             appendAndSelect(*lines, addWindow.value("addTextLine"));
                         });
                     });
    QObject::connect(dialog.control<QPushButton>("textAreaDelete"), &QPushButton::clicked, &dialog,
                     [lines] { deleteSelectedEntry(*lines); });
}

const ElementDialogCommand formPageCommands[] = {
    {u"dialog.form", formDialogDesign, formElement},
    {u"dialog.textField", textFieldDialogDesign, textFieldElement, setUpTextAreaPage},
    {u"dialog.label", labelDialogDesign, labelElement},
    {u"dialog.button", buttonDialogDesign, buttonElement},
    {u"dialog.dropDown", dropDownDialogDesign, dropDownElement, setUpDropDownDialog},
};

} // namespace

void defineFormDialogCommands(MainWindow &mainWindow)
{
    defineDialogCommands(mainWindow, formPageCommands);
}
