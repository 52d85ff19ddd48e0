#include "dialogs/formelements.h"

QStringList formPieces(const FormFields &fields)
{
    return {u"<Form method=\""_qs + fields.method + u"\" action=\""_qs + fields.action
                + u"\">\r\n\r\n"_qs, u"</Form>"_qs};
}

QStringList inputPieces(const InputFields &fields)
{
    const QString start = u"<input name=\""_qs + fields.name + u"\" size=\"20\" value=\""_qs
                          + fields.value;
    switch (fields.password) {
    case PasswordChoice::Password:
        return {start + u"\" type=\"password\">"_qs};
    case PasswordChoice::Plain:
        return {start + u"\">"_qs};
    case PasswordChoice::Unchosen:
        break;
    }
    return {};
}

QStringList textAreaPieces(const TextAreaFields &fields)
{
    // Rows come from the height, columns from the width.
    QStringList pieces{u"<textarea rows=\""_qs + fields.height + u"\" name=\""_qs + fields.name
                       + u"\" cols=\""_qs + fields.width + u"\">\r\n"_qs};
    for (const QString &line : fields.lines)
        pieces.append(line + u"\r\n"_qs);
    pieces.append(u"</textarea>"_qs);
    return pieces;
}
