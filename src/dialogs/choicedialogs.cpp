#include "dialogs/choicedialogs.h"

#include "dialogs/choiceelements.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using enum ControlKind;

const DialogDesign labelDialogDesign{
    "labelDialog", u"标签", {344, 134}, {
        {GroupBox, "labelFrame", u"", {2, 0, 334, 72}},
        {Label, "labelTextLabel", u"标签：", {22, 24, 40, 32}, "labelFrame", "labelText"},
        {LineEdit, "labelText", u"", {63, 30, 248, 20}, "labelFrame"},
        {OkButton, "labelOk", u"确定", {214, 79, 50, 25}},
        {CancelButton, "labelCancel", u"取消", {273, 77, 50, 25}},
    }};

const DialogDesign buttonDialogDesign{
    "buttonDialog", u"按钮", {380, 188}, {
        {GroupBox, "buttonFrame", u"", {1, 0, 370, 120}},
        {Label, "buttonTypeLabel", u"类型：", {30, 16, 64, 24}, "buttonFrame", "buttonType"},
        {ComboBox, "buttonType", u"", {79, 16, 248, 20}, "buttonFrame", nullptr,
         {u"button", u"submit", u"reset", u""}},
        {Label, "buttonNameLabel", u"名称：", {26, 50, 39, 24}, "buttonFrame", "buttonName"},
        {LineEdit, "buttonName", u"", {79, 48, 248, 20}, "buttonFrame"},
        {Label, "buttonValueLabel", u"初始值：", {15, 82, 56, 24}, "buttonFrame", "buttonValue"},
        {LineEdit, "buttonValue", u"", {78, 83, 248, 20}, "buttonFrame"},
        {OkButton, "buttonOk", u"确定", {224, 128, 50, 25}},
        {CancelButton, "buttonCancel", u"取消", {296, 128, 50, 25}},
    },
    "buttonType"};

const DialogDesign dropDownDialogDesign{
    "dropDownDialog", u"下拉框", {380, 326}, {
        {GroupBox, "dropDownFrame", u"", {1, -2, 368, 266}},
        {Label, "dropDownNameLabel", u"名称：", {23, 18, 48, 24}, "dropDownFrame", "dropDownName"},
        {LineEdit, "dropDownName", u"Combo1", {66, 21, 229, 20}, "dropDownFrame"},
        {Label, "dropDownOptionsLabel", u"下拉框选项：", {11, 50, 76, 16}, "dropDownFrame", "dropDownOptions"},
        {ListBox, "dropDownOptions", u"", {7, 74, 136, 184}, "dropDownFrame"},
        {Label, "dropDownValuesLabel", u"指定值：", {151, 50, 56, 16}, "dropDownFrame", "dropDownValues"},
        {ListBox, "dropDownValues", u"", {151, 74, 144, 184}, "dropDownFrame"},
        {PushButton, "dropDownAdd", u"添加", {307, 82, 50, 25}, "dropDownFrame"},
        {PushButton, "dropDownDelete", u"删除", {308, 129, 50, 25}, "dropDownFrame"},
        {CheckBox, "dropDownMultiple", u"是否多选项", {8, 268, 80, 24}},
        {OkButton, "dropDownOk", u"确定", {215, 269, 50, 25}},
        {CancelButton, "dropDownCancel", u"取消", {291, 272, 50, 25}},
    }};

ElementResult labelElement(ElementDialog &dialog, const QString &)
{
    return {labelPieces(dialog.value("labelText"))};
}

ElementResult buttonElement(ElementDialog &dialog, const QString &)
{
    return {buttonPieces({dialog.value("buttonType"), dialog.value("buttonName"),
                          dialog.value("buttonValue")})};
}

// With "是否多选项" ticked the dialog stays open for another element.
ElementResult dropDownElement(ElementDialog &dialog, const QString &)
{
    const SelectFields fields{dialog.value("dropDownName"), dialog.isChecked("dropDownMultiple"),
                              listEntries(*dialog.control<QListWidget>("dropDownOptions")),
                              listEntries(*dialog.control<QListWidget>("dropDownValues"))};
    return {selectPieces(fields), fields.multiple};
}

namespace {

const DialogDesign addOptionDesign{
    "addOptionDialog", u"添加", {309, 197}, {
        {GroupBox, "addOptionFrame", u"", {1, -1, 300, 128}},
        {Label, "addOptionTextLabel", u"选项：", {23, 17, 40, 32}, "addOptionFrame", "addOptionText"},
        {LineEdit, "addOptionText", u"", {66, 22, 216, 20}, "addOptionFrame"},
        {Label, "addOptionValueLabel", u"指定值：", {12, 65, 43, 24}, "addOptionFrame", "addOptionValue"},
        {LineEdit, "addOptionValue", u"", {65, 68, 216, 20}, "addOptionFrame"},
        {OkButton, "addOptionAdd", u"添加", {180, 136, 50, 25}},
        {CancelButton, "addOptionCancel", u"取消", {238, 136, 50, 25}},
    }};

// Appends one entry to each list and empties the fields for the next pair.
void addOption(ElementDialog &addWindow, QListWidget &options, QListWidget &values)
{
    auto *optionField = addWindow.control<QLineEdit>("addOptionText");
    auto *valueField = addWindow.control<QLineEdit>("addOptionValue");
    appendAndSelect(options, optionField->text());
    appendAndSelect(values, valueField->text());
    valueField->clear();
    optionField->clear();
    optionField->setFocus();
}

} // namespace

void setUpDropDownDialog(ElementDialog &dialog)
{
    auto *options = dialog.control<QListWidget>("dropDownOptions");
    auto *values = dialog.control<QListWidget>("dropDownValues");
    QObject::connect(dialog.control<QPushButton>("dropDownAdd"), &QPushButton::clicked, &dialog,
                     [&dialog, options, values] {
                         openAddWindow(dialog, addOptionDesign,
                                       [options, values](ElementDialog &addWindow) {
                                           addOption(addWindow, *options, *values);
                                       });
                     });
    // Each list loses its own selected entry, so the two may fall out of step.
    QObject::connect(dialog.control<QPushButton>("dropDownDelete"), &QPushButton::clicked, &dialog,
                     [options, values] {
                         deleteSelectedEntry(*options);
                         deleteSelectedEntry(*values);
                     });
}

