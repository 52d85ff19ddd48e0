#include "dialogs/elementdialogcommands.h"

#include "app/mainwindow.h"
#include "dialogs/linkdialogs.h"
#include "dialogs/mediadialogs.h"
#include "dialogs/scriptdialogs.h"

namespace {

struct ElementDialogCommand {
    const char16_t *command;
    const DialogDesign &design;
    ElementResult (*onOk)(ElementDialog &dialog, const QString &okButton);
};

const ElementDialogCommand elementDialogCommands[] = {
    {u"dialog.hyperlink", hyperlinkDialogDesign, hyperlinkElement},
    {u"dialog.email", emailLinkDialogDesign, emailLinkElement},
    {u"dialog.anchor", anchorDialogDesign, anchorElement},
    {u"dialog.image", imageDialogDesign, imageElement},
    {u"dialog.flash", flashDialogDesign, flashElement},
    {u"dialog.media", mediaDialogDesign, mediaElement},
    {u"dialog.backgroundMusic", backgroundMusicDialogDesign, backgroundMusicElement},
    {u"dialog.script", scriptDialogDesign, scriptElement},
    {u"dialog.date", dateDialogDesign, dateElement},
    {u"dialog.stylesheetLink", stylesheetLinkDialogDesign, stylesheetLinkElement},
    {u"dialog.caption", captionDialogDesign, captionElement},
};

} // namespace

void defineElementDialogCommands(MainWindow &mainWindow)
{
    for (const ElementDialogCommand &entry : elementDialogCommands) {
        mainWindow.commands().define(QString::fromUtf16(entry.command), [&mainWindow, &entry] {
            openElementDialog(mainWindow, entry.design, entry.onOk);
        });
    }
}
