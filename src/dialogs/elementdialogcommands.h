#pragma once

class MainWindow;

// Defines the commands that open the link, media, script, date, style sheet and caption dialogs.
void defineElementDialogCommands(MainWindow &mainWindow);
