#include "dialogs/choiceelements.h"

#include <QtTest>

Q_DECLARE_METATYPE(ButtonFields)
Q_DECLARE_METATYPE(SelectFields)

class TestChoiceElements : public QObject
{
    Q_OBJECT

private slots:
    void label_data();
    void label();
    void button_data();
    void button();
    void select_data();
    void select();
};

void TestChoiceElements::label_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("pieces");
    QTest::newRow("empty") << QString() << QStringList{u"<label></label>"_qs};
    QTest::newRow("text") << u"姓名"_qs << QStringList{u"<label>姓名</label>"_qs};
    QTest::newRow("markup unescaped") << u"<b>&\""_qs << QStringList{u"<label><b>&\"</label>"_qs};
}

void TestChoiceElements::label()
{
    QFETCH(QString, text);
    QFETCH(QStringList, pieces);
    QCOMPARE(labelPieces(text), pieces);
}

void TestChoiceElements::button_data()
{
    QTest::addColumn<ButtonFields>("fields");
    QTest::addColumn<QStringList>("pieces");
    QTest::newRow("untouched") << ButtonFields{u"button"_qs, {}, {}}
        << QStringList{u"<input type=\"button\" name=\"\" value=\"\">"_qs};
    QTest::newRow("submit") << ButtonFields{u"submit"_qs, u"go"_qs, u"提交"_qs}
        << QStringList{u"<input type=\"submit\" name=\"go\" value=\"提交\">"_qs};
    QTest::newRow("typed type") << ButtonFields{u"image"_qs, u"b1"_qs, u"x"_qs}
        << QStringList{u"<input type=\"image\" name=\"b1\" value=\"x\">"_qs};
    QTest::newRow("blank type") << ButtonFields{{}, u"b1"_qs, {}}
        << QStringList{u"<input type=\"\" name=\"b1\" value=\"\">"_qs};
}

void TestChoiceElements::button()
{
    QFETCH(ButtonFields, fields);
    QFETCH(QStringList, pieces);
    QCOMPARE(buttonPieces(fields), pieces);
}

void TestChoiceElements::select_data()
{
    QTest::addColumn<SelectFields>("fields");
    QTest::addColumn<QStringList>("pieces");
    const QString single = u"<select size=\"1\" name=\"Combo1\">\r\n"_qs;
    const QString end = u"</select>"_qs;
    QTest::newRow("empty lists") << SelectFields{u"Combo1"_qs, false, {}, {}}
        << QStringList{single, end};
    QTest::newRow("empty lists, multiple") << SelectFields{u"Combo1"_qs, true, {}, {}}
        << QStringList{u"<select size=\"8\" name=\"Combo1\" multiple>\r\n"_qs, end};
    QTest::newRow("two pairs") << SelectFields{u"Combo1"_qs, false, {u"A"_qs, u"B"_qs},
                                               {u"1"_qs, u"2"_qs}}
        << QStringList{single, u"<option value=\"A\">\"1\"</option>\r\n"_qs,
                       u"<option value=\"B\">\"2\"</option>\r\n"_qs, end};
    QTest::newRow("fewer values than options")
        << SelectFields{u"Combo1"_qs, false, {u"A"_qs, u"B"_qs, u"C"_qs}, {u"1"_qs}}
        << QStringList{single, u"<option value=\"A\">\"1\"</option>\r\n"_qs,
                       u"<option value=\"B\">\"\"</option>\r\n"_qs,
                       u"<option value=\"C\">\"\"</option>\r\n"_qs, end};
    QTest::newRow("more values than options")
        << SelectFields{u"Combo1"_qs, false, {u"A"_qs}, {u"1"_qs, u"2"_qs, u"3"_qs}}
        << QStringList{single, u"<option value=\"A\">\"1\"</option>\r\n"_qs, end};
    QTest::newRow("values without options")
        << SelectFields{u"Combo1"_qs, false, {}, {u"1"_qs}} << QStringList{single, end};
    QTest::newRow("empty entries")
        << SelectFields{u"Combo1"_qs, false, {u""_qs}, {u""_qs}}
        << QStringList{single, u"<option value=\"\">\"\"</option>\r\n"_qs, end};
    QTest::newRow("own name, multiple")
        << SelectFields{u"city"_qs, true, {u"bj"_qs}, {u"北京"_qs}}
        << QStringList{u"<select size=\"8\" name=\"city\" multiple>\r\n"_qs,
                       u"<option value=\"bj\">\"北京\"</option>\r\n"_qs, end};
}

void TestChoiceElements::select()
{
    QFETCH(SelectFields, fields);
    QFETCH(QStringList, pieces);
    QCOMPARE(selectPieces(fields), pieces);
}

QTEST_GUILESS_MAIN(TestChoiceElements)
#include "tst_choiceelements.moc"
