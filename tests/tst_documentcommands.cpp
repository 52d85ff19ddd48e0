#include "app/mainwindow.h"
#include "document/documentcommands.h"
#include "document/filefilter.h"
#include "document/pagecodec.h"
#include "editor/sourceeditor.h"
#include "fakeplatform.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

// The file commands through the real main window, with the user's answers given in advance.
class TestDocumentCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void newDocument_data();
    void newDocument();
    void newDocumentAsksFirstAndCancelStops();
    void yesWithACancelledSaveKeepsTheText();
    void saveWritesGbkWithCrLf();
    void savingAnEmptyTextGivesAnEmptyFile();
    void saveDoesNotClearTheModifiedFlag();
    void theFileNameTravelsFromOpenToSave();
    void openCancelledChangesNothing();
    void openKeepsEveryByte_data();
    void openKeepsEveryByte();
    void randomFilesSurviveOpenAndSave();
    void failedSaveIsReportedAndKeepsTheOldFile_data();
    void failedSaveIsReportedAndKeepsTheOldFile();
    void saveOntoAFullDevice();
    void failedOpenIsReportedAndKeepsTheText_data();
    void failedOpenIsReportedAndKeepsTheText();
    void fileDialogFilter_data();
    void fileDialogFilter();

private:
    QByteArray readFile(const QString &path) const;
    void writeFile(const QString &path, const QByteArray &bytes) const;
    QString path(const QString &name) const { return m_folder->filePath(name); }

    FakePlatform *m_platform = nullptr;
    MainWindow *m_window = nullptr;
    QTemporaryDir *m_folder = nullptr;
};

void TestDocumentCommands::init()
{
    m_folder = new QTemporaryDir;
    m_platform = new FakePlatform;
    m_window = new MainWindow(*m_platform);
}

void TestDocumentCommands::cleanup()
{
    m_platform->answers = {Answer::No};
    delete m_window;
    delete m_platform;
    delete m_folder;
}

QByteArray TestDocumentCommands::readFile(const QString &path) const
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<unreadable>";
    return file.readAll();
}

void TestDocumentCommands::writeFile(const QString &path, const QByteArray &bytes) const
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

void TestDocumentCommands::newDocument_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("text");
    QTest::newRow("asp") << u"newAsp"_qs << u"<%\r\n\r\n%>"_qs;
    QTest::newRow("css") << u"newCss"_qs << u"<Style Type=text/css>\r\n\r\n</Style>"_qs;
    QTest::newRow("html") << u"newHtml"_qs
                          << u"<html>\r\n<head>\r\n"
                             u"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">\r\n"
                             u"<meta name=\"GENERATOR\" content=\"mq\">\r\n"
                             u"<meta http-equiv=\"ProgId\" content=\"mq.Editor.Document\">\r\n"
                             u"<title>New Page 1</title>\r\n</head>\r\n\r\n<body>\r\n\r\n</body>\r\n</html>\r\n"_qs;
}

void TestDocumentCommands::newDocument()
{
    QFETCH(QString, command);
    QFETCH(QString, text);
    m_platform->answers = {Answer::No};
    m_window->editor().insertAtSelection(u"old text"_qs);
    m_window->commands().run(command);
    QCOMPARE(m_platform->questions.size(), 1);
    QCOMPARE(m_window->editor().getAllText(), text);
    QTextCursor caret = m_window->editor().textCursor();
    QVERIFY(caret.atEnd());
}

void TestDocumentCommands::newDocumentAsksFirstAndCancelStops()
{
    const QString before = m_window->editor().getAllText();
    m_platform->answers = {Answer::Cancel};
    m_window->commands().run(u"newAsp"_qs);
    QCOMPARE(m_platform->questions.size(), 1);
    QCOMPARE(m_platform->questions[0].text, u"文件已经被修改，是否保存？"_qs);
    QCOMPARE(m_window->editor().getAllText(), before);
    QVERIFY(m_platform->fileRequests.isEmpty());
}

void TestDocumentCommands::yesWithACancelledSaveKeepsTheText()
{
    m_window->editor().insertAtSelection(u"work in progress"_qs);
    const QString before = m_window->editor().getAllText();
    m_platform->answers = {Answer::Yes};
    m_platform->files = {std::nullopt};
    m_window->commands().run(u"newCss"_qs);
    QCOMPARE(m_platform->fileRequests.size(), 1);
    QCOMPARE(m_platform->fileRequests[0].kind, FileDialogKind::Save);
    QCOMPARE(m_window->editor().getAllText(), before);
}

void TestDocumentCommands::saveWritesGbkWithCrLf()
{
    m_window->editor().replaceAllText(u"<p>中文\n€😀</p>"_qs);
    m_platform->files = {path(u"page.html"_qs)};
    QVERIFY(m_window->document().saveDocument());
    QCOMPARE(readFile(path(u"page.html"_qs)),
             QByteArray("<p>\xD6\xD0\xCE\xC4\r\n\x80\x94\x39\xFC\x36</p>"));
    QVERIFY(m_platform->errors.isEmpty());
}

void TestDocumentCommands::savingAnEmptyTextGivesAnEmptyFile()
{
    writeFile(path(u"old.html"_qs), "old contents");
    m_window->editor().replaceAllText(QString());
    m_platform->files = {path(u"old.html"_qs)};
    m_window->commands().run(u"save"_qs);
    QCOMPARE(QFileInfo(path(u"old.html"_qs)).size(), 0);
}

void TestDocumentCommands::saveDoesNotClearTheModifiedFlag()
{
    m_platform->files = {path(u"a.html"_qs)};
    m_window->commands().run(u"save"_qs);
    QVERIFY(m_window->document().documentModified());
    m_platform->answers = {Answer::No};
    m_window->commands().run(u"newCss"_qs);
    QCOMPARE(m_platform->questions.size(), 1);
}

void TestDocumentCommands::theFileNameTravelsFromOpenToSave()
{
    writeFile(path(u"in.asp"_qs), "<% x %>");
    m_platform->answers = {Answer::No};
    m_platform->files = {path(u"in.asp"_qs), std::nullopt, std::nullopt};
    m_window->commands().run(u"open"_qs);
    QCOMPARE(m_window->editor().getAllText(), u"<% x %>"_qs);
    m_window->commands().run(u"save"_qs);
    m_window->commands().run(u"save"_qs);

    const QList<FileDialogRequest> &asked = m_platform->fileRequests;
    QCOMPARE(asked.size(), 3);
    QCOMPARE(asked[0].kind, FileDialogKind::Open);
    QCOMPARE(asked[0].filter, u"web文件|*.html|asp文件|*.asp|css文件|*.css|所有文件|*.*"_qs);
    QCOMPARE(asked[0].selectedEntry, 1);
    QCOMPARE(asked[1].kind, FileDialogKind::Save);
    QCOMPARE(asked[1].fileName, path(u"in.asp"_qs));
    QCOMPARE(asked[2].fileName, QString()); // every save clears the name, even a cancelled one
}

void TestDocumentCommands::openCancelledChangesNothing()
{
    const QString before = m_window->editor().getAllText();
    m_platform->answers = {Answer::No};
    m_platform->files = {std::nullopt};
    m_window->commands().run(u"open"_qs);
    QCOMPARE(m_window->editor().getAllText(), before);
    QVERIFY(m_window->document().documentModified());
}

void TestDocumentCommands::openKeepsEveryByte_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("saved");
    QTest::newRow("gbk with crlf") << QByteArray("<p>\xC4\xE3\xBA\xC3</p>\r\n")
                                   << QByteArray("<p>\xC4\xE3\xBA\xC3</p>\r\n");
    QTest::newRow("mixed line breaks") << QByteArray("a\nb\rc\r\nd") << QByteArray("a\r\nb\r\nc\r\nd");
    QTest::newRow("no final line break") << QByteArray("</html>") << QByteArray("</html>");
    QTest::newRow("zero bytes") << QByteArray() << QByteArray();
    QTest::newRow("utf-8 page") << QByteArray("\xE4\xB8\xAD\xE6\x96\x87") << QByteArray("\xE4\xB8\xAD\xE6\x96\x87");
    QTest::newRow("nul and junk") << QByteArray("x\0\xFF\x81\x30", 5) << QByteArray("x\0\xFF\x81\x30", 5);
    QTest::newRow("gb18030 four bytes") << QByteArray("\x95\x32\x82\x36") << QByteArray("\x95\x32\x82\x36");
}

void TestDocumentCommands::openKeepsEveryByte()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, saved);
    writeFile(path(u"in.html"_qs), bytes);
    m_platform->answers = {Answer::No};
    m_platform->files = {path(u"in.html"_qs), path(u"out.html"_qs)};
    m_window->commands().run(u"open"_qs);
    m_window->commands().run(u"save"_qs);
    QCOMPARE(readFile(path(u"out.html"_qs)), saved);
}

void TestDocumentCommands::randomFilesSurviveOpenAndSave()
{
    QRandomGenerator random(7);
    for (int round = 0; round < 40; ++round) {
        QByteArray bytes(random.bounded(0, 2000), Qt::Uninitialized);
        for (char &b : bytes)
            b = char(random.bounded(256));
        bytes.replace('\r', 'r').replace('\n', 'n'); // line breaks are the one allowed change
        writeFile(path(u"in.bin"_qs), bytes);
        m_platform->answers = {Answer::No};
        m_platform->files = {path(u"in.bin"_qs), path(u"out.bin"_qs)};
        m_window->commands().run(u"open"_qs);
        m_window->commands().run(u"save"_qs);
        QCOMPARE(readFile(path(u"out.bin"_qs)), bytes);
    }
}

void TestDocumentCommands::failedSaveIsReportedAndKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("below a regular file") << u"plain.txt/page.html"_qs;
    QTest::newRow("a folder") << u"folder"_qs;
    QTest::newRow("folder vanished") << u"gone/page.html"_qs;
}

void TestDocumentCommands::failedSaveIsReportedAndKeepsTheOldFile()
{
    QFETCH(QString, target);
    writeFile(path(u"plain.txt"_qs), "keep me");
    QVERIFY(QDir(m_folder->path()).mkdir(u"folder"_qs));
    m_platform->files = {path(target)};
    QVERIFY(!m_window->document().saveDocument());
    QCOMPARE(m_platform->errors.size(), 1);
    QVERIFY(m_platform->errors[0].text.contains(QDir::toNativeSeparators(path(target))));
    QCOMPARE(readFile(path(u"plain.txt"_qs)), QByteArray("keep me"));
    QVERIFY(QFileInfo(path(u"folder"_qs)).isDir());
}

void TestDocumentCommands::saveOntoAFullDevice()
{
    if (!QFileInfo::exists(u"/dev/full"_qs))
        QSKIP("no /dev/full here");
    m_platform->files = {u"/dev/full"_qs};
    QVERIFY(!m_window->document().saveDocument());
    QCOMPARE(m_platform->errors.size(), 1);
    QVERIFY(!QFileInfo(u"/dev/full"_qs).isFile()); // still the device, never replaced by a file
}

void TestDocumentCommands::failedOpenIsReportedAndKeepsTheText_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("vanished after the dialog") << u"missing.html"_qs;
    QTest::newRow("a folder") << u"folder"_qs;
}

void TestDocumentCommands::failedOpenIsReportedAndKeepsTheText()
{
    QFETCH(QString, target);
    QVERIFY(QDir(m_folder->path()).mkdir(u"folder"_qs));
    const QString before = m_window->editor().getAllText();
    m_platform->answers = {Answer::No};
    m_platform->files = {path(target)};
    m_window->commands().run(u"open"_qs);
    QCOMPARE(m_platform->errors.size(), 1);
    QCOMPARE(m_window->editor().getAllText(), before);
}

void TestDocumentCommands::fileDialogFilter_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("main file dialog")
        << u"web文件|*.html|asp文件|*.asp|css文件|*.css|所有文件|*.*"_qs
        << QStringList{u"web文件 (*.html)"_qs, u"asp文件 (*.asp)"_qs, u"css文件 (*.css)"_qs,
                       u"所有文件 (*)"_qs};
    QTest::newRow("empty shows every file") << QString() << QStringList();
    QTest::newRow("several patterns") << u"图片|*.gif;*.jpg"_qs << QStringList{u"图片 (*.gif *.jpg)"_qs};
}

void TestDocumentCommands::fileDialogFilter()
{
    QFETCH(QString, stored);
    QFETCH(QStringList, entries);
    QCOMPARE(fileDialogNameFilters(stored), entries);
}

QTEST_MAIN(TestDocumentCommands)
#include "tst_documentcommands.moc"
