#pragma once

#include <QStringList>

// The text of the label, button and select elements, built from field values alone. Each returned
// piece is one insertAtSelection, in order.

QStringList labelPieces(const QString &text);

struct ButtonFields {
    QString type, name, value;
};
QStringList buttonPieces(const ButtonFields &fields);

// The two lists pair up by position only; the option list decides how many options there are.
struct SelectFields {
    QString name;
    bool multiple = false;
    QStringList options, values;
};
QStringList selectPieces(const SelectFields &fields);
