#include "app/fonts.h"

#include <QFont>
#include <QStringList>

void installDesignFontSubstitutions()
{
    const QStringList songFaces = {u"AR PL UMing CN"_qs, u"Noto Serif CJK SC"_qs,
                                   u"WenQuanYi Zen Hei"_qs};
    const QStringList kaiFaces = {u"AR PL UKai CN"_qs, u"AR PL UMing CN"_qs,
                                  u"WenQuanYi Zen Hei"_qs};
    QFont::insertSubstitutions(u"宋体"_qs, songFaces);
    QFont::insertSubstitutions(u"楷体_GB2312"_qs, kaiFaces);
}
