// Measures what a user waits for: start-up, opening and saving large pages, typing and inserting
// in a large page, and the memory a large page takes. Runs the real main window headless.
//
//   yanzhoubench [--quick]
//
// Prints min / median / max over several runs of each figure, then, for comparison, what the bare
// text widget costs for the same 10 MB page. The modes --open-breakdown PAGE and --profile-probe
// PAGE run one part alone, the second for a profiler.

#include "app/fonts.h"
#include "app/mainwindow.h"
#include "document/documentcommands.h"
#include "document/pagecodec.h"
#include "editor/sourceeditor.h"
#include "platform/platform.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Answers every question the way the measured command needs it.
class BenchPlatform : public Platform
{
public:
    QString nextFile;
    FontChoice nextFont;

    Answer askYesNoCancel(const QString &, const QString &) override { return Answer::No; }
    void reportError(const QString &caption, const QString &text) override
    {
        std::fprintf(stderr, "error: %s: %s\n", qPrintable(caption), qPrintable(text));
    }
    std::optional<QString> chooseFile(const FileDialogRequest &) override { return nextFile; }
    std::optional<FontChoice> chooseFont(const FontChoice &) override { return nextFont; }
    QString clipboardText() const override { return m_clipboard; }
    bool clipboardHasText() const override { return true; }
    void setClipboardText(const QString &text) override { m_clipboard = text; }
    bool openWithDesktop(const QString &) override { return true; }

private:
    QString m_clipboard;
};

void waitUntilIdle(QWidget &window)
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    window.repaint();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

// A GBK page of about the given size: lines of about 80 characters, about a tenth of them Chinese.
QByteArray generatedPage(qsizetype bytes)
{
    static const QByteArray chinese = QByteArray("\xD6\xD0\xCE\xC4\xCD\xF8\xD2\xB3\xB1\xE0\xBC\xAD");
    QRandomGenerator random(42);
    QByteArray page;
    page.reserve(bytes + 100);
    while (page.size() < bytes) {
        QByteArray line = "<p class=\"item\">";
        while (line.size() < 78) {
            if (random.bounded(10) == 0) {
                const int at = random.bounded(chinese.size() / 2) * 2;
                line += chinese.mid(at, 2);
            } else {
                line += char('a' + random.bounded(26));
            }
        }
        page += line + "</p>\r\n";
    }
    return page;
}

struct Figures {
    QString name;
    std::vector<double> values;
    QString unit = u"ms"_qs;
};

void print(const Figures &f)
{
    std::vector<double> v = f.values;
    std::sort(v.begin(), v.end());
    const double median = v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
    std::printf("%-44s min %9.3f  median %9.3f  max %9.3f %s  (%zu runs)\n", qPrintable(f.name),
                v.front(), median, v.back(), qPrintable(f.unit), v.size());
    std::fflush(stdout);
}

double elapsedMs(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

qint64 statusKilobytes(const char *field)
{
    QFile status(u"/proc/self/status"_qs);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// The real main window, shown headless, with a platform that answers for the user.
struct BenchWindow {
    BenchPlatform platform;
    MainWindow window{platform};

    BenchWindow()
    {
        window.show();
        waitUntilIdle(window);
    }

    void open(const QString &path)
    {
        platform.nextFile = path;
        window.document().openDocument();
        waitUntilIdle(window);
    }

    void applyFont(int pointSize)
    {
        platform.nextFont = FontChoice{u"宋体"_qs, pointSize, QColor(Qt::darkBlue), true};
        window.commands().run(u"font"_qs);
        waitUntilIdle(window);
    }
};

void placeCaretInTheMiddle(QPlainTextEdit &editor)
{
    editor.setFocus();
    QTextCursor middle = editor.textCursor();
    middle.setPosition(editor.document()->characterCount() / 2);
    editor.setTextCursor(middle);
}

// One typed character, and then what it made dirty painted, as the event loop would paint it.
double typeOneCharacter(QPlainTextEdit &editor, bool paint = true)
{
    QElapsedTimer timer;
    timer.start();
    QTest::keyClick(&editor, Qt::Key_A);
    if (paint)
        QCoreApplication::processEvents();
    return elapsedMs(timer);
}

double medianKeystroke(QPlainTextEdit &editor, bool paint = true)
{
    std::vector<double> times;
    for (int i = 0; i < 200; ++i)
        times.push_back(typeOneCharacter(editor, paint));
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Child mode: start, show the window, and say when the start page is on screen and idle.
int runStartupProbe()
{
    BenchWindow bench;
    std::printf("ready\n");
    std::fflush(stdout);
    return 0;
}

// Child mode: open a page of the given size and report the memory the process holds.
int runMemoryProbe(const QString &path)
{
    BenchWindow bench;
    bench.open(path);
    std::printf("%lld %lld\n", statusKilobytes("VmRSS:"), statusKilobytes("VmHWM:"));
    return 0;
}

// Child mode: opens, keystrokes and font commands on a page, for a profiler to look at.
int runProfileProbe(const QString &path)
{
    BenchWindow bench;
    for (int i = 0; i < 3; ++i)
        bench.open(path);
    placeCaretInTheMiddle(bench.window.editor());
    for (int i = 0; i < 2000; ++i)
        typeOneCharacter(bench.window.editor());
    for (int i = 0; i < 3; ++i)
        bench.applyFont(10 + i % 2);
    return 0;
}

// Child mode: where the time of an open goes, next to what the bare text widget costs.
int runOpenBreakdown(const QString &path)
{
    QElapsedTimer timer;
    timer.start();
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    std::printf("read %.1f ms\n", elapsedMs(timer));
    timer.restart();
    const QString text = PageCodec::decode(bytes);
    std::printf("decode %.1f ms\n", elapsedMs(timer));
    timer.restart();
    PageCodec::encodedLength(text);
    std::printf("count the bytes of the whole text %.1f ms\n", elapsedMs(timer));
    {
        QPlainTextEdit bare;
        bare.show();
        waitUntilIdle(bare);
        timer.restart();
        bare.setPlainText(text);
        waitUntilIdle(bare);
        std::printf("bare QPlainTextEdit::setPlainText to idle %.1f ms\n", elapsedMs(timer));
        placeCaretInTheMiddle(bare);
        std::printf("bare QPlainTextEdit keystroke median %.3f ms\n", medianKeystroke(bare));
        QTextCursor all(bare.document());
        all.select(QTextCursor::Document);
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        timer.restart();
        all.mergeCharFormat(bold);
        waitUntilIdle(bare);
        std::printf("bare QPlainTextEdit bold over the whole text to idle %.1f ms\n", elapsedMs(timer));
    }
    BenchWindow bench;
    SourceEditor &editor = bench.window.editor();
    timer.restart();
    editor.replaceAllText(text);
    waitUntilIdle(bench.window);
    std::printf("editor replaceAllText to idle %.1f ms\n", elapsedMs(timer));
    placeCaretInTheMiddle(editor);
    std::printf("editor keystroke median %.3f ms, without painting %.3f ms\n",
                medianKeystroke(editor), medianKeystroke(editor, false));
    return 0;
}

Figures measureStartup(const QString &program, int runs)
{
    Figures f{u"start-up to idle main window"_qs, {}};
    for (int i = 0; i < runs; ++i) {
        QProcess child;
        QElapsedTimer timer;
        timer.start();
        child.start(program, {u"--startup-probe"_qs});
        child.waitForReadyRead(30000);
        f.values.push_back(elapsedMs(timer));
        child.waitForFinished(30000);
    }
    return f;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installDesignFontSubstitutions();
    const QStringList args = QCoreApplication::arguments();
    if (args.contains(u"--startup-probe"_qs))
        return runStartupProbe();
    if (const qsizetype at = args.indexOf(u"--memory-probe"_qs); at >= 0)
        return runMemoryProbe(args.value(at + 1));
    if (const qsizetype at = args.indexOf(u"--open-breakdown"_qs); at >= 0)
        return runOpenBreakdown(args.value(at + 1));
    if (const qsizetype at = args.indexOf(u"--profile-probe"_qs); at >= 0)
        return runProfileProbe(args.value(at + 1));

    const bool quick = args.contains(u"--quick"_qs);
    const int runs = quick ? 3 : 7;
    QTemporaryDir folder;

    print(measureStartup(QCoreApplication::applicationFilePath(), runs * 2));

    BenchWindow bench;
    MainWindow &window = bench.window;

    for (const int megabytes : {1, 10, 50}) {
        const QString page = folder.filePath(u"page%1.html"_qs.arg(megabytes));
        {
            QFile file(page);
            file.open(QIODevice::WriteOnly);
            file.write(generatedPage(qsizetype(megabytes) * 1024 * 1024));
        }
        Figures open{u"open %1 MB page to idle"_qs.arg(megabytes), {}};
        Figures save{u"save %1 MB page"_qs.arg(megabytes), {}};
        const int pageRuns = megabytes == 50 ? std::max(3, runs / 2) : runs;
        for (int i = 0; i < pageRuns; ++i) {
            // Each open starts from the start page, as a user's first open does, so the figure
            // does not include freeing the page opened before.
            window.document().newDocument(DocumentCommands::Page::Html);
            waitUntilIdle(window);
            QElapsedTimer timer;
            timer.start();
            bench.open(page);
            open.values.push_back(elapsedMs(timer));

            bench.platform.nextFile = folder.filePath(u"saved.html"_qs);
            timer.restart();
            window.document().saveDocument();
            save.values.push_back(elapsedMs(timer));
        }
        print(open);
        print(save);
    }

    {
        bench.open(folder.filePath(u"page10.html"_qs));
        SourceEditor &editor = window.editor();
        placeCaretInTheMiddle(editor);
        Figures typing{u"type one character in a 10 MB page"_qs, {}};
        for (int i = 0; i < 200; ++i)
            typing.values.push_back(typeOneCharacter(editor));
        print(typing);

        Figures snippet{u"insert the table snippet in a 10 MB page"_qs, {}};
        for (int i = 0; i < 50; ++i) {
            QElapsedTimer timer;
            timer.start();
            window.commands().run(u"snippet.table"_qs);
            QCoreApplication::processEvents();
            snippet.values.push_back(elapsedMs(timer));
        }
        print(snippet);

        // The font command formats the whole text; the dialog answers with a bold face at once.
        Figures font{u"font command on a 10 MB page"_qs, {}};
        for (int i = 0; i < (quick ? 3 : 5); ++i) {
            QElapsedTimer timer;
            timer.start();
            bench.applyFont(10 + i % 2);
            font.values.push_back(elapsedMs(timer));
        }
        print(font);
    }

    Figures rss{u"resident memory after opening 10 MB"_qs, {}, u"MB"_qs};
    Figures peak{u"peak resident memory, opening 10 MB"_qs, {}, u"MB"_qs};
    for (int i = 0; i < 3; ++i) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {u"--memory-probe"_qs, folder.filePath(u"page10.html"_qs)});
        child.waitForFinished(120000);
        const QList<QByteArray> kb = child.readAllStandardOutput().trimmed().split(' ');
        rss.values.push_back(kb.value(0).toDouble() / 1024);
        peak.values.push_back(kb.value(1).toDouble() / 1024);
    }
    print(rss);
    print(peak);

    std::printf("\nThe same 10 MB page in a bare text widget, and the parts of an open, one run:\n");
    QProcess breakdown;
    breakdown.start(QCoreApplication::applicationFilePath(),
                    {u"--open-breakdown"_qs, folder.filePath(u"page10.html"_qs)});
    breakdown.waitForFinished(300000);
    std::printf("%s", breakdown.readAllStandardOutput().constData());
    return 0;
}
