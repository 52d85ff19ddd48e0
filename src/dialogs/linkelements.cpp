#include "dialogs/linkelements.h"

QStringList hyperlinkPieces(const HyperlinkFields &fields)
{
    return {u"<a href=\""_qs + fields.url + u"\" title=\""_qs + fields.title + u"\" target=\""_qs
            + fields.target + u"\"></a> "_qs};
}

QStringList emailLinkPieces(const EmailLinkFields &fields)
{
    return {u"<a href=\"mailto:"_qs + fields.address + u"?subject="_qs + fields.subject + u"\"></a>"_qs};
}

QStringList anchorPieces(const QString &name)
{
    return {u"<a name=\""_qs + name + u"\"></a>"_qs};
}
