#include "commands/backgrounddialog.h"

#include "app/mainwindow.h"
#include "commands/colourpicker.h"
#include "commands/fontcommand.h"
#include "dialogs/elementdialog.h"
#include "editor/sourceeditor.h"

#include <QGroupBox>
#include <QLabel>

const DialogDesign backgroundDialogDesign = {
    "backgroundDialog", u"背景设置", {321, 191},
    {
        {ControlKind::GroupBox, "backgroundFrame", u"", {3, -2, 309, 130}},
        {ControlKind::Label, "backgroundLabel", u"编辑区背景设置：", {21, 42, 96, 56},
         "backgroundFrame"},
        {ControlKind::OkButton, "backgroundOk", u"确定", {190, 133, 50, 25}},
        {ControlKind::CancelButton, "backgroundCancel", u"取消", {256, 135, 50, 25}},
    },
};

namespace {

ElementResult applyBackground(ElementDialog &dialog, const QString &)
{
    if (auto *picker = dialog.control<ColourPicker>("backgroundColour"))
        dialog.mainWindow().editor().setBackgroundColour(recordFromColour(picker->colour()));
    return ElementResult{{}, true};
}

} // namespace

ElementDialog *openBackgroundDialog(MainWindow &mainWindow)
{
    ElementDialog *dialog = openElementDialog(mainWindow, backgroundDialogDesign, applyBackground);
    // An open dialog brought to the front keeps its picker and the colour shown in it.
    if (dialog->control<ColourPicker>("backgroundColour"))
        return dialog;
    dialog->control<QLabel>("backgroundLabel")->setWordWrap(true);
    auto *picker = new ColourPicker(ColourPicker::Automatic::NotOffered,
                                    dialog->control<QGroupBox>("backgroundFrame"));
    picker->setObjectName(u"backgroundColour"_qs);
    picker->setGeometry(backgroundPickerGeometry);
    picker->show();
    return dialog;
}
