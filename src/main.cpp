#include "app/fonts.h"
#include "app/mainwindow.h"
#include "platform/qtplatform.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setWindowIcon(QIcon(u":/yanzhou.svg"_qs));
    QGuiApplication::setDesktopFileName(u"yanzhou"_qs);
    QTranslator qtStrings;
    if (qtStrings.load(u"qtbase_zh_CN"_qs, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtStrings);
    installDesignFontSubstitutions();

    QtPlatform platform;
    MainWindow window(platform);
    window.show();
    return QApplication::exec();
}
