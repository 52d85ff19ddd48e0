#include "dialogs/scriptelements.h"

#include <QTest>

Q_DECLARE_METATYPE(ScriptFields)
Q_DECLARE_METATYPE(DateFields)

class TestScriptElements : public QObject
{
    Q_OBJECT

private slots:
    void script_data();
    void script();
    void date_data();
    void date();
    void stylesheetLink_data();
    void stylesheetLink();
    void caption_data();
    void caption();
};

void TestScriptElements::script_data()
{
    QTest::addColumn<ScriptFields>("fields");
    QTest::addColumn<QStringList>("pieces");
    QTest::newRow("untouched") << ScriptFields{u"JavaScript"_qs, {}}
        << QStringList{u"<script language=\"JavaScript\" type=\"text/JavaScript\">\r\n"_qs, u"\r\n"_qs, u"</script>"_qs};
    QTest::newRow("JavaScript1.1") << ScriptFields{u"JavaScript1.1"_qs, u"x=1;"_qs}
        << QStringList{u"<script language=\"JavaScript1.1\" type=\"text/JavaScript1.1\">\r\n"_qs, u"x=1;\r\n"_qs, u"</script>"_qs};
    QTest::newRow("JavaScript1.2") << ScriptFields{u"JavaScript1.2"_qs, u"if (a<b && c) s=\"\\n\";"_qs}
        << QStringList{u"<script language=\"JavaScript1.2\" type=\"text/JavaScript1.2\">\r\n"_qs, u"if (a<b && c) s=\"\\n\";\r\n"_qs, u"</script>"_qs};
    QTest::newRow("VBScript, two lines") << ScriptFields{u"VBScript"_qs, u"Dim a\r\na = 1"_qs}
        << QStringList{u"<script language=\"VBScript\" type=\"text/VBScript\">\r\n"_qs, u"Dim a\r\na = 1\r\n"_qs, u"</script>"_qs};
    QTest::newRow("other case") << ScriptFields{u"javascript"_qs, u"x"_qs} << QStringList{};
    QTest::newRow("emptied") << ScriptFields{{}, u"x"_qs} << QStringList{};
    QTest::newRow("blank around") << ScriptFields{u" VBScript"_qs, {}} << QStringList{};
    QTest::newRow("unknown") << ScriptFields{u"JScript"_qs, {}} << QStringList{};
}

void TestScriptElements::script()
{
    QFETCH(ScriptFields, fields);
    QFETCH(QStringList, pieces);
    QCOMPARE(scriptPieces(fields), pieces);
}

void TestScriptElements::date_data()
{
    QTest::addColumn<DateFields>("fields");
    QTest::addColumn<QStringList>("pieces");
    QTest::newRow("no date format") << DateFields{u"星期二"_qs, {}} << QStringList{u"星期二"_qs u" "};
    QTest::newRow("blank weekday") << DateFields{{}, u"2005年05月31日"_qs} << QStringList{u" " u"2005年05月31日"_qs};
    QTest::newRow("sunday, and 05/31/05") << DateFields{u"sunday,"_qs, u"05/31/05"_qs}
        << QStringList{u"sunday, 05/31/05"_qs};
    QTest::newRow("typed weekday") << DateFields{u"周二"_qs, u"2005-05-31"_qs}
        << QStringList{u"周二 2005-05-31"_qs};
}

void TestScriptElements::date()
{
    QFETCH(DateFields, fields);
    QFETCH(QStringList, pieces);
    QCOMPARE(datePieces(fields), pieces);
}

void TestScriptElements::stylesheetLink_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("pieces");
    QTest::newRow("empty") << QString()
        << QStringList{u"<link rel=\"stylesheet\" href=\"\" type=\"text/css\" />"_qs};
    QTest::newRow("Windows path") << u"C:\\样式\\main.css"_qs
        << QStringList{u"<link rel=\"stylesheet\" href=\"C:\\样式\\main.css\" type=\"text/css\" />"_qs};
}

void TestScriptElements::stylesheetLink()
{
    QFETCH(QString, path);
    QFETCH(QStringList, pieces);
    QCOMPARE(stylesheetLinkPieces(path), pieces);
}

void TestScriptElements::caption_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("pieces");
    QTest::newRow("empty") << QString() << QStringList{u"<caption>\"\"</caption>"_qs};
    QTest::newRow("Chinese") << u"销售表"_qs << QStringList{u"<caption>\"销售表\"</caption>"_qs};
    QTest::newRow("quote and markup") << u"a\"<i>&"_qs
        << QStringList{u"<caption>\"a\"<i>&\"</caption>"_qs};
}

void TestScriptElements::caption()
{
    QFETCH(QString, caption);
    QFETCH(QStringList, pieces);
    QCOMPARE(captionPieces(caption), pieces);
}

QTEST_GUILESS_MAIN(TestScriptElements)
#include "tst_scriptelements.moc"
