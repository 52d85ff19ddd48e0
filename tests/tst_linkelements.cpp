#include "dialogs/linkelements.h"

#include <QTest>

Q_DECLARE_METATYPE(HyperlinkFields)
Q_DECLARE_METATYPE(EmailLinkFields)

class TestLinkElements : public QObject
{
    Q_OBJECT

private slots:
    void hyperlink_data();
    void hyperlink();
    void emailLink_data();
    void emailLink();
    void anchor_data();
    void anchor();
};

void TestLinkElements::hyperlink_data()
{
    QTest::addColumn<HyperlinkFields>("fields");
    QTest::addColumn<QStringList>("pieces");
    QTest::newRow("untouched") << HyperlinkFields{{}, {}, u"_top"_qs}
        << QStringList{u"<a href=\"\" title=\"\" target=\"_top\"></a> "_qs};
    QTest::newRow("all empty") << HyperlinkFields{}
        << QStringList{u"<a href=\"\" title=\"\" target=\"\"></a> "_qs};
    QTest::newRow("filled") << HyperlinkFields{u"http://yz.example/a.html"_qs, u"首页"_qs, u"_blank"_qs}
        << QStringList{u"<a href=\"http://yz.example/a.html\" title=\"首页\" target=\"_blank\"></a> "_qs};
    QTest::newRow("typed frame name") << HyperlinkFields{u"b.html"_qs, {}, u"mainFrame"_qs}
        << QStringList{u"<a href=\"b.html\" title=\"\" target=\"mainFrame\"></a> "_qs};
    QTest::newRow("quote ends the attribute")
        << HyperlinkFields{u"a\"b"_qs, u"say \"hi\""_qs, u"_self"_qs}
        << QStringList{u"<a href=\"a\"b\" title=\"say \"hi\"\" target=\"_self\"></a> "_qs};
    QTest::newRow("local path keeps backslashes")
        << HyperlinkFields{u"C:\\站点\\index.htm"_qs, {}, u"_top"_qs}
        << QStringList{u"<a href=\"C:\\站点\\index.htm\" title=\"\" target=\"_top\"></a> "_qs};
    QTest::newRow("markup and line breaks unchanged")
        << HyperlinkFields{u"<b>&amp;"_qs, u"one\r\ntwo"_qs, u"_parent"_qs}
        << QStringList{u"<a href=\"<b>&amp;\" title=\"one\r\ntwo\" target=\"_parent\"></a> "_qs};
}

void TestLinkElements::hyperlink()
{
    QFETCH(HyperlinkFields, fields);
    QFETCH(QStringList, pieces);
    QCOMPARE(hyperlinkPieces(fields), pieces);
}

void TestLinkElements::emailLink_data()
{
    QTest::addColumn<EmailLinkFields>("fields");
    QTest::addColumn<QStringList>("pieces");
    QTest::newRow("both empty") << EmailLinkFields{}
        << QStringList{u"<a href=\"mailto:?subject=\"></a>"_qs};
    QTest::newRow("address and subject") << EmailLinkFields{u"yz@example.com"_qs, u"问候"_qs}
        << QStringList{u"<a href=\"mailto:yz@example.com?subject=问候\"></a>"_qs};
    QTest::newRow("quote and ampersand") << EmailLinkFields{u"a\"b@x"_qs, u"q&a"_qs}
        << QStringList{u"<a href=\"mailto:a\"b@x?subject=q&a\"></a>"_qs};
}

void TestLinkElements::emailLink()
{
    QFETCH(EmailLinkFields, fields);
    QFETCH(QStringList, pieces);
    QCOMPARE(emailLinkPieces(fields), pieces);
}

void TestLinkElements::anchor_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("pieces");
    QTest::newRow("empty") << QString() << QStringList{u"<a name=\"\"></a>"_qs};
    QTest::newRow("name") << u"top"_qs << QStringList{u"<a name=\"top\"></a>"_qs};
    QTest::newRow("Chinese and backslash") << u"第一章\\1"_qs
        << QStringList{u"<a name=\"第一章\\1\"></a>"_qs};
    QTest::newRow("angle brackets") << u"<x>"_qs << QStringList{u"<a name=\"<x>\"></a>"_qs};
}

void TestLinkElements::anchor()
{
    QFETCH(QString, name);
    QFETCH(QStringList, pieces);
    QCOMPARE(anchorPieces(name), pieces);
}

QTEST_GUILESS_MAIN(TestLinkElements)
#include "tst_linkelements.moc"
