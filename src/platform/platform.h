#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

#include <optional>

// The platform services that block or reach outside the program. Everything goes through this
// interface so that tests can answer the questions a user would otherwise answer.

enum class Answer { Yes, No, Cancel };

enum class FileDialogKind { Open, Save };

struct FileDialogRequest {
    FileDialogKind kind = FileDialogKind::Open;
    QString filter;            // stored form: "shown|pattern|shown|pattern..."
    int selectedEntry = 0;     // zero-based entry of the filter shown first
    QString fileName;          // pre-filled name, may be empty
};

// What a font dialog shows and reports: face, size in points, colour and the four style choices.
struct FontChoice {
    QString face;
    int pointSize = 9;
    QColor colour;             // invalid: automatic colour
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    bool operator==(const FontChoice &) const = default;
};

class Platform
{
public:
    virtual ~Platform() = default;

    // A Yes / No / Cancel question with the question icon.
    virtual Answer askYesNoCancel(const QString &caption, const QString &text) = 0;
    // Tells the user that something failed; returns when the message is dismissed.
    virtual void reportError(const QString &caption, const QString &text) = 0;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<QString> chooseFile(const FileDialogRequest &request) = 0;
    virtual std::optional<FontChoice> chooseFont(const FontChoice &initial) = 0;

    virtual QString clipboardText() const = 0;
    virtual bool clipboardHasText() const = 0;
    virtual void setClipboardText(const QString &text) = 0;

    // The desktop's open action for a file; false when nothing could open it.
    virtual bool openWithDesktop(const QString &path) = 0;
};
