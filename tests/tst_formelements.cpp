#include "dialogs/formelements.h"

#include <QtTest>

Q_DECLARE_METATYPE(FormFields)
Q_DECLARE_METATYPE(InputFields)
Q_DECLARE_METATYPE(TextAreaFields)

class TestFormElements : public QObject
{
    Q_OBJECT

private slots:
    void form_data();
    void form();
    void input_data();
    void input();
    void textArea_data();
    void textArea();
};

void TestFormElements::form_data()
{
    QTest::addColumn<FormFields>("fields");
    QTest::addColumn<QStringList>("pieces");
    QTest::newRow("untouched") << FormFields{}
        << QStringList{u"<Form method=\"\" action=\"\">\r\n\r\n"_qs, u"</Form>"_qs};
    QTest::newRow("picked method") << FormFields{u"POST"_qs, u"save.asp"_qs}
        << QStringList{u"<Form method=\"POST\" action=\"save.asp\">\r\n\r\n"_qs, u"</Form>"_qs};
    QTest::newRow("typed method, path kept") << FormFields{u"post"_qs, u"C:\\站点\\a b.asp"_qs}
        << QStringList{u"<Form method=\"post\" action=\"C:\\站点\\a b.asp\">\r\n\r\n"_qs,
                       u"</Form>"_qs};
    QTest::newRow("quotes unescaped") << FormFields{u"\"x"_qs, u"a&b<c>"_qs}
        << QStringList{u"<Form method=\"\"x\" action=\"a&b<c>\">\r\n\r\n"_qs, u"</Form>"_qs};
}

void TestFormElements::form()
{
    QFETCH(FormFields, fields);
    QFETCH(QStringList, pieces);
    QCOMPARE(formPieces(fields), pieces);
}

void TestFormElements::input_data()
{
    QTest::addColumn<InputFields>("fields");
    QTest::addColumn<QStringList>("pieces");
    QTest::newRow("unanswered inserts nothing")
        << InputFields{u"text1"_qs, u"abc"_qs, PasswordChoice::Unchosen} << QStringList{};
    QTest::newRow("plain, untouched")
        << InputFields{u"text1"_qs, {}, PasswordChoice::Plain}
        << QStringList{u"<input name=\"text1\" size=\"20\" value=\"\">"_qs};
    QTest::newRow("password")
        << InputFields{u"pw"_qs, u"secret"_qs, PasswordChoice::Password}
        << QStringList{u"<input name=\"pw\" size=\"20\" value=\"secret\" type=\"password\">"_qs};
    QTest::newRow("empty fields, password")
        << InputFields{{}, {}, PasswordChoice::Password}
        << QStringList{u"<input name=\"\" size=\"20\" value=\"\" type=\"password\">"_qs};
}

void TestFormElements::input()
{
    QFETCH(InputFields, fields);
    QFETCH(QStringList, pieces);
    QCOMPARE(inputPieces(fields), pieces);
}

void TestFormElements::textArea_data()
{
    QTest::addColumn<TextAreaFields>("fields");
    QTest::addColumn<QStringList>("pieces");
    QTest::newRow("untouched, no lines")
        << TextAreaFields{u"S1"_qs, u"40"_qs, u"10"_qs, {}}
        << QStringList{u"<textarea rows=\"10\" name=\"S1\" cols=\"40\">\r\n"_qs, u"</textarea>"_qs};
    QTest::newRow("two lines in order")
        << TextAreaFields{u"S1"_qs, u"40"_qs, u"10"_qs, {u"A"_qs, u"B"_qs}}
        << QStringList{u"<textarea rows=\"10\" name=\"S1\" cols=\"40\">\r\n"_qs, u"A\r\n"_qs,
                       u"B\r\n"_qs, u"</textarea>"_qs};
    QTest::newRow("empty and repeated lines")
        << TextAreaFields{u"memo"_qs, u"8"_qs, u"3"_qs, {u""_qs, u"x"_qs, u"x"_qs}}
        << QStringList{u"<textarea rows=\"3\" name=\"memo\" cols=\"8\">\r\n"_qs, u"\r\n"_qs,
                       u"x\r\n"_qs, u"x\r\n"_qs, u"</textarea>"_qs};
    QTest::newRow("sizes copied as typed")
        << TextAreaFields{{}, u"wide"_qs, {}, {u"<p>\"</p>"_qs}}
        << QStringList{u"<textarea rows=\"\" name=\"\" cols=\"wide\">\r\n"_qs, u"<p>\"</p>\r\n"_qs,
                       u"</textarea>"_qs};
}

void TestFormElements::textArea()
{
    QFETCH(TextAreaFields, fields);
    QFETCH(QStringList, pieces);
    QCOMPARE(textAreaPieces(fields), pieces);
}

QTEST_GUILESS_MAIN(TestFormElements)
#include "tst_formelements.moc"
