#include "app/mainwindow.h"
#include "commands/colourpicker.h"
#include "commands/fontdialog.h"
#include "dialogs/elementdialog.h"
#include "editor/sourceeditor.h"
#include "fakeplatform.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QTest>

Q_DECLARE_METATYPE(FontChoice)

namespace {

ElementDialog *openDialog(MainWindow &window, const char *command, const char *name)
{
    window.commands().run(QString::fromLatin1(command));
    for (ElementDialog *dialog : window.findChildren<ElementDialog *>(QLatin1StringView(name))) {
        if (dialog->isVisible())
            return dialog;
    }
    return nullptr;
}

void click(ElementDialog &dialog, const char *button)
{
    QTest::mouseClick(dialog.control<QAbstractButton>(button), Qt::LeftButton);
}

// A closed dialog is deleted once the event loop gets to it.
void finishClosing()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QColor editorBackground(const MainWindow &window)
{
    return window.editor().palette().color(QPalette::Base);
}

} // namespace

class TestViewDialogs : public QObject
{
    Q_OBJECT

private slots:
    void design_data();
    void design();
    void backgroundOkWithoutPickingMakesBlackAndStaysOpen();
    void backgroundColourStaysAfterCancel();
    void backgroundPickerStartsBlackEachOpening();
    void backgroundPickerOffersNoTransparentChoice();
    void oneInstanceAtATime();
    void aboutOkCloses();
    void fontDialogReportsWhatItShows_data();
    void fontDialogReportsWhatItShows();
    void fontDialogReportsChanges();
};

void TestViewDialogs::design_data()
{
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QByteArray>("dialog");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QByteArray>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("geometry");

    const QByteArray background = "dialog.background";
    const QByteArray about = "dialog.about";
    QTest::newRow("background frame") << background << QByteArray("backgroundDialog")
        << u"背景设置"_qs << QByteArray("backgroundFrame") << QString() << QRect(3, -2, 309, 130);
    QTest::newRow("background label") << background << QByteArray("backgroundDialog")
        << u"背景设置"_qs << QByteArray("backgroundLabel") << u"编辑区背景设置："_qs
        << QRect(21, 42, 96, 56);
    QTest::newRow("background picker") << background << QByteArray("backgroundDialog")
        << u"背景设置"_qs << QByteArray("backgroundColour") << u"黑色"_qs
        << QRect(125, 54, 128, 32);
    QTest::newRow("background ok") << background << QByteArray("backgroundDialog")
        << u"背景设置"_qs << QByteArray("backgroundOk") << u"确定"_qs << QRect(190, 133, 50, 25);
    QTest::newRow("background cancel") << background << QByteArray("backgroundDialog")
        << u"背景设置"_qs << QByteArray("backgroundCancel") << u"取消"_qs
        << QRect(256, 135, 50, 25);
    QTest::newRow("about name") << about << QByteArray("aboutDialog") << u"关于..."_qs
        << QByteArray("aboutName") << u"软件名称： 墨桥开发的网页开发系统"_qs
        << QRect(24, 8, 232, 32);
    QTest::newRow("about version") << about << QByteArray("aboutDialog") << u"关于..."_qs
        << QByteArray("aboutVersion") << u"软件版本：1.0"_qs << QRect(24, 40, 248, 32);
    QTest::newRow("about designer") << about << QByteArray("aboutDialog") << u"关于..."_qs
        << QByteArray("aboutDesigner") << u"软件设计： lanyue"_qs << QRect(16, 72, 248, 32);
    QTest::newRow("about features") << about << QByteArray("aboutDialog") << u"关于..."_qs
        << QByteArray("aboutFeatures") << u"功能介绍："_qs << QRect(16, 112, 344, 120);
    QTest::newRow("about description") << about << QByteArray("aboutDialog") << u"关于..."_qs
        << QByteArray("aboutDescription")
        << u"墨桥开发的网页开发系统可以建立普通网页和ASP网页。内容设有html标签，asp等标签，还有css编辑，vb,java等常用插件的直接调用和自己设计，而且还可以把自己找到的网页特效收集在本软件，方便调用，让你在网页编辑时得心应手。"_qs
        << QRect(15, 14, 320, 66);
    QTest::newRow("about thanks") << about << QByteArray("aboutDialog") << u"关于..."_qs
        << QByteArray("aboutThanks")
        << u"当然，软件也还存在许多不足，这里期待着你的提出和建议，以便本软件能更好的帮助你工作，最后感谢你使用本软件！"_qs
        << QRect(16, 78, 312, 40);
    QTest::newRow("about ok") << about << QByteArray("aboutDialog") << u"关于..."_qs
        << QByteArray("aboutOk") << u"确定"_qs << QRect(288, 24, 72, 32);
}

void TestViewDialogs::design()
{
    QFETCH(QByteArray, command);
    QFETCH(QByteArray, dialog);
    QFETCH(QString, caption);
    QFETCH(QByteArray, control);
    QFETCH(QString, text);
    QFETCH(QRect, geometry);

    FakePlatform platform;
    MainWindow window(platform);
    window.show();
    ElementDialog *open = openDialog(window, command.constData(), dialog.constData());
    QVERIFY(open);
    QCOMPARE(open->windowTitle(), caption);
    QVERIFY(open->isModal());
    QVERIFY(open->testAttribute(Qt::WA_DeleteOnClose));
    QVERIFY(!(open->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(open->minimumSize(), open->maximumSize());

    QWidget *widget = open->control<QWidget>(control.constData());
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
    QString shown;
    if (auto *label = qobject_cast<QLabel *>(widget))
        shown = label->text();
    else if (auto *button = qobject_cast<QAbstractButton *>(widget))
        shown = button->text();
    else if (auto *frame = qobject_cast<QGroupBox *>(widget))
        shown = frame->title();
    else if (auto *picker = qobject_cast<ColourPicker *>(widget))
        shown = picker->currentText();
    QCOMPARE(shown, text);
}

void TestViewDialogs::backgroundOkWithoutPickingMakesBlackAndStaysOpen()
{
    FakePlatform platform;
    MainWindow window(platform);
    window.show();
    const QString textBefore = window.editor().getAllText();
    QPointer<ElementDialog> dialog = openDialog(window, "dialog.background", "backgroundDialog");
    QVERIFY(dialog);

    click(*dialog, "backgroundOk");
    finishClosing();

    QCOMPARE(editorBackground(window), QColor(Qt::black));
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QCOMPARE(window.editor().getAllText(), textBefore);
}

void TestViewDialogs::backgroundColourStaysAfterCancel()
{
    FakePlatform platform;
    MainWindow window(platform);
    window.show();
    QPointer<ElementDialog> dialog = openDialog(window, "dialog.background", "backgroundDialog");
    QVERIFY(dialog);
    auto *picker = dialog->control<ColourPicker>("backgroundColour");
    QVERIFY(picker);
    const int red = picker->findText(u"红色"_qs);
    QVERIFY(red >= 0);
    picker->setCurrentIndex(red);
    QCOMPARE(editorBackground(window), QColor(255, 168, 255));

    click(*dialog, "backgroundOk");
    QCOMPARE(editorBackground(window), QColor(255, 0, 0));
    picker->setColour(QColor(0x20, 0x40, 0x60));
    click(*dialog, "backgroundOk");
    click(*dialog, "backgroundCancel");
    finishClosing();

    QVERIFY(!dialog);
    QCOMPARE(editorBackground(window), QColor(0x20, 0x40, 0x60));
}

void TestViewDialogs::backgroundPickerStartsBlackEachOpening()
{
    FakePlatform platform;
    MainWindow window(platform);
    window.show();
    ElementDialog *first = openDialog(window, "dialog.background", "backgroundDialog");
    QVERIFY(first);
    first->control<ColourPicker>("backgroundColour")->setColour(QColor(Qt::white));
    first->close();
    finishClosing();

    ElementDialog *second = openDialog(window, "dialog.background", "backgroundDialog");
    QVERIFY(second);
    QCOMPARE(second->control<ColourPicker>("backgroundColour")->colour(), QColor(Qt::black));
}

void TestViewDialogs::backgroundPickerOffersNoTransparentChoice()
{
    FakePlatform platform;
    MainWindow window(platform);
    window.show();
    ElementDialog *dialog = openDialog(window, "dialog.background", "backgroundDialog");
    QVERIFY(dialog);
    const ColourPicker *picker = dialog->control<ColourPicker>("backgroundColour");
    for (int i = 0; i < picker->count(); ++i) {
        const QVariant colour = picker->itemData(i);
        if (!colour.isValid())
            continue; // "其他颜色..." opens the colour dialog, which has no alpha channel
        QVERIFY2(colour.value<QColor>().isValid(), qPrintable(picker->itemText(i)));
        QCOMPARE(colour.value<QColor>().alpha(), 255);
    }
}

void TestViewDialogs::oneInstanceAtATime()
{
    FakePlatform platform;
    MainWindow window(platform);
    window.show();
    ElementDialog *first = openDialog(window, "dialog.background", "backgroundDialog");
    QVERIFY(first);
    first->control<ColourPicker>("backgroundColour")->setColour(QColor(Qt::white));

    ElementDialog *again = openDialog(window, "dialog.background", "backgroundDialog");

    QCOMPARE(again, first);
    QCOMPARE(first->findChildren<ColourPicker *>().size(), 1);
    QCOMPARE(first->control<ColourPicker>("backgroundColour")->colour(), QColor(Qt::white));
}

void TestViewDialogs::aboutOkCloses()
{
    FakePlatform platform;
    MainWindow window(platform);
    window.show();
    const QString textBefore = window.editor().getAllText();
    QPointer<ElementDialog> dialog = openDialog(window, "dialog.about", "aboutDialog");
    QVERIFY(dialog);

    click(*dialog, "aboutOk");
    finishClosing();

    QVERIFY(!dialog);
    QCOMPARE(window.editor().getAllText(), textBefore);
}

void TestViewDialogs::fontDialogReportsWhatItShows_data()
{
    QTest::addColumn<FontChoice>("shown");
    QTest::newRow("automatic colour, no styles")
        << FontChoice{u"宋体"_qs, 9, QColor(), false, false, false, false};
    QTest::newRow("listed colour, all styles")
        << FontChoice{u"DejaVu Sans"_qs, 14, QColor(255, 0, 0), true, true, true, true};
    QTest::newRow("unlisted colour")
        << FontChoice{u"AR PL UKai CN"_qs, 20, QColor(0x12, 0x34, 0x56), false, true, false, true};
}

void TestViewDialogs::fontDialogReportsWhatItShows()
{
    QFETCH(FontChoice, shown);
    FontDialog dialog(shown);
    QCOMPARE(dialog.choice(), shown);
}

void TestViewDialogs::fontDialogReportsChanges()
{
    FontDialog dialog(FontChoice{u"宋体"_qs, 9, QColor(), false, false, false, false});
    dialog.show();
    auto *size = dialog.findChild<QComboBox *>(u"fontSize"_qs);
    size->lineEdit()->clear();
    QTest::keyClicks(size->lineEdit(), u"16"_qs);
    QTest::mouseClick(dialog.findChild<QCheckBox *>(u"fontItalic"_qs), Qt::LeftButton);
    QTest::mouseClick(dialog.findChild<QCheckBox *>(u"fontStrikeOut"_qs), Qt::LeftButton);
    dialog.findChild<ColourPicker *>(u"fontColour"_qs)->setColour(QColor(0, 0, 255));

    QCOMPARE(dialog.choice(),
             (FontChoice{u"宋体"_qs, 16, QColor(0, 0, 255), false, true, false, true}));

    size->lineEdit()->clear();
    QCOMPARE(dialog.choice().pointSize, 9);
}

QTEST_MAIN(TestViewDialogs)
#include "tst_viewdialogs.moc"
