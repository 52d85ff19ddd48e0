#pragma once

#include "platform/platform.h"

class QWidget;

// The real platform: Qt's message boxes, file and font dialogs, clipboard and desktop services.
class QtPlatform : public Platform
{
public:
    Answer askYesNoCancel(const QString &caption, const QString &text) override;
    void reportError(const QString &caption, const QString &text) override;
    std::optional<QString> chooseFile(const FileDialogRequest &request) override;
    std::optional<FontChoice> chooseFont(const FontChoice &initial) override;
    QString clipboardText() const override;
    bool clipboardHasText() const override;
    void setClipboardText(const QString &text) override;
    bool openWithDesktop(const QString &path) override;
};
