#pragma once

#include <QString>
#include <QStringList>

// The script, date, style sheet and caption elements, joined from their dialogs' field values.

struct ScriptFields {
    QString language;
    QString body;       // lines separated by CR LF
};

struct DateFields {
    QString weekday, date;
};

// Nothing for a language other than the four known names, compared exactly.
QStringList scriptPieces(const ScriptFields &fields);
QStringList datePieces(const DateFields &fields);
QStringList stylesheetLinkPieces(const QString &path);
QStringList captionPieces(const QString &caption);
