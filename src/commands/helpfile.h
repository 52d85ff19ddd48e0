#pragma once

#include <QString>

class Platform;

// "help.chm" in the folder that holds the program file.
QString helpFilePath();

// "即时帮助": the desktop opens the help file. A missing file, or no program that reads it, is no
// concern of ours: nothing is checked and nothing reported.
void openHelpFile(Platform &platform);
