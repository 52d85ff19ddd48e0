#pragma once

#include <QStringList>

// The text of the form elements, built from field values alone. Each returned piece is one
// insertAtSelection, in order.

struct FormFields {
    QString method, action;
};
QStringList formPieces(const FormFields &fields);

// The password question of the single-line field: neither answer is chosen at first.
enum class PasswordChoice { Unchosen, Password, Plain };

struct InputFields {
    QString name, value;
    PasswordChoice password = PasswordChoice::Unchosen;
};
// Empty while the password question is unanswered.
QStringList inputPieces(const InputFields &fields);

struct TextAreaFields {
    QString name, width, height;
    QStringList lines;
};
QStringList textAreaPieces(const TextAreaFields &fields);
