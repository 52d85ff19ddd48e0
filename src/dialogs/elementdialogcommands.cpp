#include "dialogs/elementdialogcommands.h"

#include "app/mainwindow.h"
#include "dialogs/linkdialogs.h"
#include "dialogs/mediadialogs.h"
#include "dialogs/scriptdialogs.h"

namespace {

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

void defineDialogCommands(MainWindow &mainWindow, std::span<const ElementDialogCommand> commands)
{
    for (const ElementDialogCommand &entry : commands) {
        mainWindow.commands().define(QString::fromUtf16(entry.command), [&mainWindow, &entry] {
            openElementDialog(mainWindow, entry.design, entry.onOk, entry.setUp);
        });
    }
}

void defineElementDialogCommands(MainWindow &mainWindow)
{
    defineDialogCommands(mainWindow, elementDialogCommands);
}
