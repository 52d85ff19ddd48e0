#include "app/mainwindow.h"
#include "commands/helpfile.h"
#include "editor/sourceeditor.h"
#include "fakeplatform.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <chm_lib.h>

#include <memory>

namespace {

struct ChmCloser {
    void operator()(chmFile *file) const { chm_close(file); }
};
using ChmArchive = std::unique_ptr<chmFile, ChmCloser>;

bool holds(chmFile *archive, const QString &path)
{
    chmUnitInfo unit;
    return chm_resolve_object(archive, path.toUtf8().constData(), &unit) == CHM_RESOLVE_SUCCESS;
}

QByteArray readObject(chmFile *archive, const char *path)
{
    chmUnitInfo unit;
    if (chm_resolve_object(archive, path, &unit) != CHM_RESOLVE_SUCCESS)
        return {};
    QByteArray bytes(qsizetype(unit.length), '\0');
    const LONGINT64 read = chm_retrieve_object(
        archive, &unit, reinterpret_cast<unsigned char *>(bytes.data()), 0, unit.length);
    bytes.truncate(qsizetype(read));
    return bytes;
}

} // namespace

class TestHelpFile : public QObject
{
    Q_OBJECT

private slots:
    void pathIsBesideProgram();
    void helpCommandAsksDesktopAndStaysSilent_data();
    void helpCommandAsksDesktopAndStaysSilent();
    void builtFileIsChm();
    void contentsListEveryPage();
};

void TestHelpFile::pathIsBesideProgram()
{
    QCOMPARE(QDir::fromNativeSeparators(helpFilePath()),
             QCoreApplication::applicationDirPath() + u"/help.chm"_qs);
}

void TestHelpFile::helpCommandAsksDesktopAndStaysSilent_data()
{
    QTest::addColumn<bool>("desktopOpens");
    QTest::newRow("opened") << true;
    QTest::newRow("missing or no program for it") << false;
}

void TestHelpFile::helpCommandAsksDesktopAndStaysSilent()
{
    QFETCH(bool, desktopOpens);
    FakePlatform platform;
    platform.desktopOpens = desktopOpens;
    MainWindow window(platform);
    const QString textBefore = window.editor().getAllText();

    window.commands().run(u"help"_qs);

    QCOMPARE(platform.openedWithDesktop, QStringList{helpFilePath()});
    QVERIFY(platform.errors.isEmpty());
    QVERIFY(platform.questions.isEmpty());
    QCOMPARE(window.editor().getAllText(), textBefore);
}

void TestHelpFile::builtFileIsChm()
{
    QFile help(QStringLiteral(YANZHOU_HELP_FILE));
    QVERIFY2(help.open(QIODevice::ReadOnly), qPrintable(help.fileName()));
    QCOMPARE(help.read(4), QByteArray("ITSF"));
}

void TestHelpFile::contentsListEveryPage()
{
    const ChmArchive archive(chm_open(YANZHOU_HELP_FILE));
    QVERIFY(archive);
    const QByteArray contents = readObject(archive.get(), "/toc.hhc");
    QVERIFY(!contents.isEmpty());

    QSet<QString> listed;
    const QRegularExpression local(uR"re(<param\s+name="Local"\s+value="([^"]+)")re"_qs,
                                   QRegularExpression::CaseInsensitiveOption);
    for (const QRegularExpressionMatch &match : local.globalMatch(QString::fromLatin1(contents)))
        listed.insert(match.captured(1));

    const QStringList pages = QDir(QStringLiteral(YANZHOU_HELP_SOURCE))
                                  .entryList({u"*.html"_qs}, QDir::Files);
    QVERIFY(!pages.isEmpty());
    for (const QString &page : pages) {
        QVERIFY2(listed.contains(page), qPrintable(page + u" is not in the contents"_qs));
        QVERIFY2(holds(archive.get(), u"/"_qs + page), qPrintable(page + u" is not compiled in"_qs));
    }
    QCOMPARE(listed, QSet<QString>(pages.cbegin(), pages.cend()));
}

QTEST_MAIN(TestHelpFile)
#include "tst_helpfile.moc"
