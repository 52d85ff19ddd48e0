#include "dialogs/choiceelements.h"

QStringList labelPieces(const QString &text)
{
    return {u"<label>"_qs + text + u"</label>"_qs};
}

QStringList buttonPieces(const ButtonFields &fields)
{
    return {u"<input type=\""_qs + fields.type + u"\" name=\""_qs + fields.name + u"\" value=\""_qs
                + fields.value + u"\">"_qs};
}

QStringList selectPieces(const SelectFields &fields)
{
    QStringList pieces{fields.multiple
                           ? u"<select size=\"8\" name=\""_qs + fields.name + u"\" multiple>\r\n"_qs
                           : u"<select size=\"1\" name=\""_qs + fields.name + u"\">\r\n"_qs};
    for (qsizetype i = 0; i < fields.options.size(); ++i) {
        // A value list shorter than the option list gives empty texts.
        pieces.append(u"<option value=\""_qs + fields.options.at(i) + u"\">\""_qs
                      + fields.values.value(i) + u"\"</option>\r\n"_qs);
    }
    pieces.append(u"</select>"_qs);
    return pieces;
}
