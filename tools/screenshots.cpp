// Takes the README's pictures of the running program: the main window on each toolbar page, and
// two dialogs. scripts/screenshots runs it on a virtual display.
//
//   yanzhoushots OUTPUT_FOLDER

#include "app/fonts.h"
#include "app/mainwindow.h"
#include "dialogs/elementdialog.h"
#include "platform/qtplatform.h"
#include "snippets/markuptoolbar.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QScreen>
#include <QTest>
#include <QTranslator>

#include <cstdio>

namespace {

void settle()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
        QTest::qWait(40);
    }
}

bool save(QWidget &window, const QDir &folder, const QString &name)
{
    settle();
    const QString path = folder.filePath(name + u".png"_qs);
    const bool saved = window.grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTranslator qtStrings;
    if (qtStrings.load(u"qtbase_zh_CN"_qs, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtStrings);
    installDesignFontSubstitutions();
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: yanzhoushots OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir folder(args[1]);

    QtPlatform platform;
    MainWindow window(platform);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        std::fprintf(stderr, "the main window was not shown\n");
    bool ok = true;
    static const char *pageNames[] = {"main-window", "toolbar-text", "toolbar-form",
                                      "toolbar-special-characters", "toolbar-media"};
    for (int page = 0; page < window.markupToolbar().count(); ++page) {
        window.markupToolbar().setCurrentIndex(page);
        ok &= save(window, folder, QLatin1StringView(pageNames[page]));
    }
    window.markupToolbar().setCurrentIndex(0);

    const struct { const char16_t *command; const char *name; const char *file; } dialogs[] = {
        {u"dialog.hyperlink", "hyperlinkDialog", "dialog-hyperlink"},
        {u"dialog.dropDown", "dropDownDialog", "dialog-drop-down"},
    };
    for (const auto &d : dialogs) {
        window.commands().run(QString::fromUtf16(d.command));
        settle();
        ElementDialog *dialog = nullptr;
        for (ElementDialog *open : window.findChildren<ElementDialog *>()) {
            if (open->isVisible())
                dialog = open;
        }
        if (!dialog) {
            std::fprintf(stderr, "%s did not open\n", d.name);
            ok = false;
            continue;
        }
        ok &= save(*dialog, folder, QLatin1StringView(d.file));
        dialog->close();
        settle();
    }
    window.hide();
    return ok ? 0 : 1;
}
