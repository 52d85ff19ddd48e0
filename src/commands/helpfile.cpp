#include "commands/helpfile.h"

#include "platform/platform.h"

#include <QCoreApplication>
#include <QDir>

QString helpFilePath()
{
    return QDir::toNativeSeparators(QDir(QCoreApplication::applicationDirPath())
                                        .filePath(u"help.chm"_qs));
}

void openHelpFile(Platform &platform)
{
    platform.openWithDesktop(helpFilePath());
}
