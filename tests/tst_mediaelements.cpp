#include "dialogs/mediaelements.h"

#include <QTest>
#include <QUrl>

Q_DECLARE_METATYPE(ImageFields)
Q_DECLARE_METATYPE(MediaFields)
Q_DECLARE_METATYPE(BackgroundMusicFields)

namespace {

// The slideshow settings as the Flash element writes them, with this build's placeholder link.
const QString flashlet = u"flashlet={imageLinkTarget:'_blank',captionFont:'Verdana',titleFont:'Verdana',showControls:true,frameShow:false,slideDelay:5,captionSize:10,captionColor:#333333,titleSize:10,transitionsType:'Random',titleColor:#333333,slideAutoPlay:false,imageURLs:['img1.jpg','img2.jpg','img3.jpg'],slideLoop:false,frameThickness:2,imageLinks:['"_qs u"http://www.example.com/" u"','" u"http://www.example.com/"
    u"','" u"http://www.example.com/" u"'],frameColor:#333333,bgColor:#FFFFFF,imageCaptions:[]}";

QStringList flashElement(const QString &path)
{
    return {
        u"<object classid=\"clsid:D27CDB6E-AE6D-11cf-96B8-444553540000\" codebase=\""
        u"http://download.macromedia.com/pub/shockwave/cabs/flash/swflash.cab#version=7,0,0,0"
        u"\" width=\"400\" height=\"325\">\r\n"_qs,
        u"<param name=\"flash_component\" value=\"ImageViewer.swc\">\r\n"_qs,
        u"<param name=\"movie\" value=\"file:///"_qs + path + u"\">\r\n"_qs,
        u"<param name=\"quality\" value=\"high\">\r\n"_qs,
        u"<param name=\"FlashVars\" value=\""_qs + flashlet + u"\">\r\n"_qs,
        u"<embed src=\"file:///"_qs + path + u"\" quality=\"high\" flashvars=\""_qs + flashlet + u"\" pluginspage=\""
        u"http://www.macromedia.com/go/getflashplayer" u"\" type=\"application/x-shockwave-flash\" width=\"400\" height=\"325\"></embed>\r\n"_qs,
        u"</object>"_qs,
    };
}

} // namespace

class TestMediaElements : public QObject
{
    Q_OBJECT

private slots:
    void image_data();
    void image();
    void flash_data();
    void flash();
    void flashAddressesAreWellFormed();
    void media_data();
    void media();
    void backgroundMusic_data();
    void backgroundMusic();
};

void TestMediaElements::image_data()
{
    QTest::addColumn<ImageFields>("fields");
    QTest::addColumn<QStringList>("pieces");
    const QString area = u"<area shape=\"rect\" coords=\"0,0,16,16\" href=\"#\">\r\n"_qs;
    QTest::newRow("all empty") << ImageFields{}
        << QStringList{u"<img src=\"\" width=\"\" height=\"\" align=\"\" border=\"\" alt=\"\" usemap=#>\r\n"_qs,
                       u"<map name=>\r\n"_qs, area, u"</map>"_qs};
    QTest::newRow("filled")
        << ImageFields{u"images\\logo.gif"_qs, u"88"_qs, u"31"_qs, u"middle"_qs, u"0"_qs, u"标志"_qs, u"m1"_qs}
        << QStringList{u"<img src=\"images\\logo.gif\" width=\"88\" height=\"31\" align=\"middle\" border=\"0\" alt=\"标志\" usemap=#m1>\r\n"_qs,
                       u"<map name=m1>\r\n"_qs, area, u"</map>"_qs};
    QTest::newRow("typed align, quote in alt")
        << ImageFields{{}, {}, {}, u"Left"_qs, {}, u"a \"b\""_qs, {}}
        << QStringList{u"<img src=\"\" width=\"\" height=\"\" align=\"Left\" border=\"\" alt=\"a \"b\"\" usemap=#>\r\n"_qs,
                       u"<map name=>\r\n"_qs, area, u"</map>"_qs};
}

void TestMediaElements::image()
{
    QFETCH(ImageFields, fields);
    QFETCH(QStringList, pieces);
    QCOMPARE(imagePieces(fields), pieces);
}

void TestMediaElements::flash_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("pieces");
    QTest::newRow("empty path") << QString() << flashElement(QString());
    QTest::newRow("Windows path") << u"D:\\flash\\相册.swf"_qs << flashElement(u"D:\\flash\\相册.swf"_qs);
    QTest::newRow("quote") << u"a\"b.swf"_qs << flashElement(u"a\"b.swf"_qs);
}

void TestMediaElements::flash()
{
    QFETCH(QString, path);
    QFETCH(QStringList, pieces);
    QCOMPARE(flashPieces(path), pieces);
}

void TestMediaElements::flashAddressesAreWellFormed()
{
    for (const char16_t *address : {flashCodebaseUrl, flashPluginsPageUrl, flashImageLinkUrl}) {
        const QUrl url(QString::fromUtf16(address), QUrl::StrictMode);
        QVERIFY2(url.isValid() && !url.host().isEmpty(), qPrintable(url.toString()));
        QCOMPARE(url.scheme(), u"http"_qs);
    }
    QVERIFY(QStringView(flashCodebaseUrl).endsWith(u"#version=7,0,0,0"));
}

void TestMediaElements::media_data()
{
    QTest::addColumn<MediaFields>("fields");
    QTest::addColumn<QStringList>("pieces");
    QTest::newRow("empty") << MediaFields{}
        << QStringList{u"<embed src=\"\" width= height=></embed>"_qs};
    QTest::newRow("sizes unquoted") << MediaFields{u"v\\clip.wmv"_qs, u"100"_qs, u"200"_qs}
        << QStringList{u"<embed src=\"v\\clip.wmv\" width=100 height=200></embed>"_qs};
}

void TestMediaElements::media()
{
    QFETCH(MediaFields, fields);
    QFETCH(QStringList, pieces);
    QCOMPARE(mediaPieces(fields), pieces);
}

void TestMediaElements::backgroundMusic_data()
{
    QTest::addColumn<BackgroundMusicFields>("fields");
    QTest::addColumn<QStringList>("pieces");
    QTest::newRow("empty count") << BackgroundMusicFields{u"a.mid"_qs, {}}
        << QStringList{u"<bgsound src=\"a.mid\" loop=>"_qs};
    QTest::newRow("loop forever") << BackgroundMusicFields{u"音乐\\a.mid"_qs, u"-1"_qs}
        << QStringList{u"<bgsound src=\"音乐\\a.mid\" loop=-1>"_qs};
    QTest::newRow("not a number") << BackgroundMusicFields{{}, u"two>"_qs}
        << QStringList{u"<bgsound src=\"\" loop=two>>"_qs};
}

void TestMediaElements::backgroundMusic()
{
    QFETCH(BackgroundMusicFields, fields);
    QFETCH(QStringList, pieces);
    QCOMPARE(backgroundMusicPieces(fields), pieces);
}

QTEST_GUILESS_MAIN(TestMediaElements)
#include "tst_mediaelements.moc"
