#pragma once

#include "platform/platform.h"

#include <QList>

#include <deque>

// Answers the platform's questions from queues the test fills, and records what was asked.
// An empty queue answers Cancel; a question nobody expected is recorded all the same.
class FakePlatform : public Platform
{
public:
    Answer askYesNoCancel(const QString &caption, const QString &text) override;
    void reportError(const QString &caption, const QString &text) override;
    std::optional<QString> chooseFile(const FileDialogRequest &request) override;
    std::optional<FontChoice> chooseFont(const FontChoice &initial) override;
    QString clipboardText() const override { return m_clipboard.value_or(QString()); }
    bool clipboardHasText() const override { return m_clipboard.has_value(); }
    void setClipboardText(const QString &text) override { m_clipboard = text; }
    bool openWithDesktop(const QString &path) override;

    std::deque<Answer> answers;
    std::deque<std::optional<QString>> files;
    std::deque<std::optional<FontChoice>> fonts;
    bool desktopOpens = true;

    struct Question { QString caption, text; };
    QList<Question> questions;
    QList<Question> errors;
    QList<FileDialogRequest> fileRequests;
    QList<FontChoice> fontRequests;
    QStringList openedWithDesktop;

    void clearClipboard() { m_clipboard.reset(); }

private:
    std::optional<QString> m_clipboard;
};
