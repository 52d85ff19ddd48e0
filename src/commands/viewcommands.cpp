#include "commands/viewcommands.h"

#include "app/mainwindow.h"
#include "commands/aboutdialog.h"
#include "commands/backgrounddialog.h"
#include "commands/fontcommand.h"
#include "commands/helpfile.h"

void defineViewCommands(MainWindow &mainWindow)
{
    CommandRouter &commands = mainWindow.commands();
    MainWindow *window = &mainWindow;
    commands.define(u"font"_qs, [window] {
        applyFontToText(window->editor(), window->mainFileDialog());
    });
    commands.define(u"dialog.background"_qs, [window] { openBackgroundDialog(*window); });
    commands.define(u"help"_qs, [window] { openHelpFile(window->platform()); });
    commands.define(u"dialog.about"_qs, [window] { openAboutDialog(*window); });
}
