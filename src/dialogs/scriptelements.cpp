#include "dialogs/scriptelements.h"

namespace {

struct ScriptLanguage {
    const char16_t *name;
    const char16_t *openingLine;
};

constexpr ScriptLanguage scriptLanguages[] = {
    {u"JavaScript", u"<script language=\"JavaScript\" type=\"text/JavaScript\">\r\n"},
    {u"JavaScript1.1", u"<script language=\"JavaScript1.1\" type=\"text/JavaScript1.1\">\r\n"},
    {u"JavaScript1.2", u"<script language=\"JavaScript1.2\" type=\"text/JavaScript1.2\">\r\n"},
    {u"VBScript", u"<script language=\"VBScript\" type=\"text/VBScript\">\r\n"},
};

} // namespace

QStringList scriptPieces(const ScriptFields &fields)
{
    for (const ScriptLanguage &language : scriptLanguages) {
        if (fields.language == QStringView(language.name))
            return {QString::fromUtf16(language.openingLine), fields.body + u"\r\n"_qs,
                    u"</script>"_qs};
    }
    return {};
}

QStringList datePieces(const DateFields &fields)
{
    return {fields.weekday + u" "_qs + fields.date};
}

QStringList stylesheetLinkPieces(const QString &path)
{
    return {u"<link rel=\"stylesheet\" href=\""_qs + path + u"\" type=\"text/css\" />"_qs};
}

QStringList captionPieces(const QString &caption)
{
    return {u"<caption>\""_qs + caption + u"\"</caption>"_qs};
}
