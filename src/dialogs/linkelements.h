#pragma once

#include <QString>
#include <QStringList>

// The link elements, joined from the link dialogs' field values: nothing is escaped, trimmed or
// checked, so a quote in a value ends its attribute early.

struct HyperlinkFields {
    QString url, title, target;
};

struct EmailLinkFields {
    QString address;    // written straight after mailto:
    QString subject;
};

QStringList hyperlinkPieces(const HyperlinkFields &fields);
QStringList emailLinkPieces(const EmailLinkFields &fields);
QStringList anchorPieces(const QString &name);
