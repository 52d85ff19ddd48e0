#include "dialogs/mediaelements.h"

QStringList imagePieces(const ImageFields &fields)
{
    // The map block follows whatever the map name is, even none; the name is never quoted.
    return {
        u"<img src=\""_qs + fields.path + u"\" width=\""_qs + fields.width + u"\" height=\""_qs + fields.height
            + u"\" align=\""_qs + fields.align + u"\" border=\""_qs + fields.border + u"\" alt=\""_qs + fields.alt
            + u"\" usemap=#"_qs + fields.mapName + u">\r\n"_qs,
        u"<map name="_qs + fields.mapName + u">\r\n"_qs,
        u"<area shape=\"rect\" coords=\"0,0,16,16\" href=\"#\">\r\n"_qs,
        u"</map>"_qs,
    };
}

QString flashletSettings()
{
    const QString link = QString::fromUtf16(flashImageLinkUrl);
    return u"flashlet={imageLinkTarget:'_blank',captionFont:'Verdana',titleFont:'Verdana',showControls:true,frameShow:false,slideDelay:5,captionSize:10,captionColor:#333333,titleSize:10,transitionsType:'Random',titleColor:#333333,slideAutoPlay:false,imageURLs:['img1.jpg','img2.jpg','img3.jpg'],slideLoop:false,frameThickness:2,imageLinks:['"_qs + link + u"','"_qs + link + u"','"_qs + link + u"'],frameColor:#333333,bgColor:#FFFFFF,imageCaptions:[]}"_qs;
}

QStringList flashPieces(const QString &path)
{
    const QString settings = flashletSettings();
    return {
        u"<object classid=\"clsid:D27CDB6E-AE6D-11cf-96B8-444553540000\" codebase=\""_qs + QString::fromUtf16(flashCodebaseUrl) + u"\" width=\"400\" height=\"325\">\r\n"_qs,
        u"<param name=\"flash_component\" value=\"ImageViewer.swc\">\r\n"_qs,
        u"<param name=\"movie\" value=\"file:///"_qs + path + u"\">\r\n"_qs,
        u"<param name=\"quality\" value=\"high\">\r\n"_qs,
        u"<param name=\"FlashVars\" value=\""_qs + settings + u"\">\r\n"_qs,
        u"<embed src=\"file:///"_qs + path + u"\" quality=\"high\" flashvars=\""_qs + settings + u"\" pluginspage=\""_qs
            + QString::fromUtf16(flashPluginsPageUrl) + u"\" type=\"application/x-shockwave-flash\" width=\"400\" height=\"325\"></embed>\r\n"_qs,
        u"</object>"_qs,
    };
}

QStringList mediaPieces(const MediaFields &fields)
{
    return {u"<embed src=\""_qs + fields.path + u"\" width="_qs + fields.width + u" height="_qs + fields.height
            + u"></embed>"_qs};
}

QStringList backgroundMusicPieces(const BackgroundMusicFields &fields)
{
    return {u"<bgsound src=\""_qs + fields.path + u"\" loop="_qs + fields.loop + u">"_qs};
}
