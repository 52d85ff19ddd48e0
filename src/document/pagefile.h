#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Reading and writing a page's bytes. Every failure comes back with the system's reason.
struct FileOutcome {
    bool ok = false;
    QString error;     // why it failed, empty on success
};

struct ReadOutcome {
    std::optional<QByteArray> bytes;
    QString error;
};

ReadOutcome readPageFile(const QString &path);
// Replaces the file whole or not at all: the bytes go to a temporary file beside it that is
// renamed into place. A device (such as /dev/full) is written in place.
FileOutcome writePageFile(const QString &path, const QByteArray &bytes);
