#include "document/pagecodec.h"

#include <QRandomGenerator>
#include <QTest>

class TestPageCodec : public QObject
{
    Q_OBJECT

private slots:
    void encode_data();
    void encode();
    void decodeLineBreaks_data();
    void decodeLineBreaks();
    void bytesSurviveOpenAndSave_data();
    void bytesSurviveOpenAndSave();
    void randomBytesSurviveOpenAndSave();
    void textSurvivesSaveAndOpen_data();
    void textSurvivesSaveAndOpen();
    void escapesStandForTheirBytes();
    void encodedLengthMatchesEncoding();
};

void TestPageCodec::encode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QString() << QByteArray();
    QTest::newRow("lf becomes crlf") << u"a\nb"_qs << QByteArray("a\r\nb");
    QTest::newRow("crlf stays") << u"a\r\nb"_qs << QByteArray("a\r\nb");
    QTest::newRow("lone cr") << u"a\rb"_qs << QByteArray("a\r\nb");
    QTest::newRow("no final break") << u"<p>"_qs << QByteArray("<p>");
    QTest::newRow("chinese takes two bytes") << u"中文"_qs << QByteArray("\xD6\xD0\xCE\xC4");
    QTest::newRow("euro sign is code page 936's single byte") << u"€"_qs << QByteArray("\x80");
    QTest::newRow("outside gbk: emoji as gb18030") << u"😀"_qs << QByteArray("\x94\x39\xFC\x36");
    QTest::newRow("outside gbk: bmp as gb18030") << u"\u00A0"_qs << QByteArray("\x81\x30\x84\x32");
    QTest::newRow("cjk extension b") << u"\U00020000"_qs << QByteArray("\x95\x32\x82\x36");
    QTest::newRow("last code point") << u"\U0010FFFF"_qs << QByteArray("\xE3\x32\x9A\x35");
}

void TestPageCodec::encode()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(PageCodec::encode(text), bytes);
}

void TestPageCodec::decodeLineBreaks_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << u"a\nb\n"_qs;
    QTest::newRow("lf") << QByteArray("a\nb") << u"a\nb"_qs;
    QTest::newRow("lone cr") << QByteArray("a\rb") << u"a\nb"_qs;
    QTest::newRow("mixed") << QByteArray("1\r\n2\n3\r4\n\r5") << u"1\n2\n3\n4\n\n5"_qs;
    QTest::newRow("gbk") << QByteArray("\xC4\xE3\xBA\xC3") << u"你好"_qs;
}

void TestPageCodec::decodeLineBreaks()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(PageCodec::decode(bytes), text);
}

static QByteArray withCrLf(const QByteArray &bytes)
{
    QByteArray result;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' || bytes[i] == '\n') {
            if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
            result += "\r\n";
        } else {
            result += bytes[i];
        }
    }
    return result;
}

void TestPageCodec::bytesSurviveOpenAndSave_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("utf-8 page") << QByteArray("<p>\xE4\xB8\xAD\xE6\x96\x87</p>\r\n");
    QTest::newRow("latin-1") << QByteArray("caf\xE9 na\xEFve");
    QTest::newRow("nul bytes") << QByteArray("a\0b\0\0", 5);
    QTest::newRow("control bytes") << QByteArray("\x01\x1B[0m\x7F\x0C");
    QTest::newRow("lone lead byte at end") << QByteArray("abc\x81");
    QTest::newRow("lead byte before ascii") << QByteArray("\x81\x20x");
    QTest::newRow("truncated four bytes") << QByteArray("\x81\x30\x81");
    QTest::newRow("0x80 and 0xff") << QByteArray("\x80\xFF");
    QTest::newRow("gb18030 euro") << QByteArray("\xA2\xE3");
    QTest::newRow("four bytes beyond unicode") << QByteArray("\xE4\x30\x81\x30\xFE\x39\xFE\x39");
    QTest::newRow("line separator sequence") << QByteArray("\x81\x36\xA5\x31");
    QTest::newRow("bom") << QByteArray("\xEF\xBB\xBFhi");
}

void TestPageCodec::bytesSurviveOpenAndSave()
{
    QFETCH(QByteArray, bytes);
    QCOMPARE(PageCodec::encode(PageCodec::decode(bytes)), withCrLf(bytes));
}

void TestPageCodec::randomBytesSurviveOpenAndSave()
{
    QRandomGenerator random(20261211);
    for (int round = 0; round < 3000; ++round) {
        QByteArray bytes(random.bounded(1, 64), Qt::Uninitialized);
        // Favour the bytes that start and continue multi-byte sequences.
        for (char &b : bytes) {
            const int kind = random.bounded(4);
            b = char(kind == 0 ? random.bounded(0x30, 0x3A)
                     : kind == 1 ? random.bounded(0x81, 0xFF)
                                 : random.bounded(0, 256));
        }
        const QByteArray saved = PageCodec::encode(PageCodec::decode(bytes));
        if (saved != withCrLf(bytes))
            QFAIL(qPrintable(u"bytes changed: "_qs + QString::fromLatin1(bytes.toHex(' '))));
    }
}

void TestPageCodec::textSurvivesSaveAndOpen_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("ascii") << u"<html>\n</html>"_qs;
    QTest::newRow("chinese and full-width") << u"文件已经被修改，是否保存？"_qs;
    QTest::newRow("euro") << u"€ 5"_qs;
    QTest::newRow("emoji and extension b") << u"😀\U00020000\U0010FFFF"_qs;
    QTest::newRow("private use") << u"\uE000\uE765\uF8FF\uF8F5"_qs;
    QTest::newRow("936 and gb18030 disagree") << u"\u1E3F\uE7C7\u01F9\uE7C8"_qs;
    QTest::newRow("nbsp and tab") << u"a\u00A0\tb"_qs;
}

void TestPageCodec::textSurvivesSaveAndOpen()
{
    QFETCH(QString, text);
    QCOMPARE(PageCodec::decode(PageCodec::encode(text)), text);
}

void TestPageCodec::escapesStandForTheirBytes()
{
    const QString text = PageCodec::decode(QByteArray("a\x81", 2));
    QCOMPARE(text.size(), 2);
    QVERIFY(PageCodec::isByteEscape(text[1].unicode()));
    QCOMPARE(PageCodec::escapedByte(text[1].unicode()), 0x81);
}

void TestPageCodec::encodedLengthMatchesEncoding()
{
    const QString text = u"<p>中文€😀\n"_qs + PageCodec::decode("\x81\x00") + u"\u00A0"_qs;
    QCOMPARE(PageCodec::encodedLength(text), PageCodec::encode(text).size());
}

QTEST_GUILESS_MAIN(TestPageCodec)
#include "tst_pagecodec.moc"
