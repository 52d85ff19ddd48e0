#include "app/mainwindow.h"

#include "app/layout.h"
#include "app/menutree.h"
#include "commands/editcommands.h"
#include "commands/statusbar.h"
#include "commands/viewcommands.h"
#include "dialogs/formdialogs.h"
#include "dialogs/elementdialogcommands.h"
#include "commands/statusupdater.h"
#include "document/documentcommands.h"
#include "document/pages.h"
#include "editor/sourceeditor.h"
#include "snippets/markuptoolbar.h"
#include "snippets/referencepanel.h"
#include "snippets/snippetcommands.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

MainWindow::MainWindow(Platform &platform, QWidget *parent)
    : QMainWindow(parent)
    , m_platform(platform)
    , m_mainFileDialog(platform)
{
    setObjectName(u"mainWindow"_qs);
    setWindowTitle(u"砚舟网页开发系统"_qs);

    auto *client = new QWidget(this);
    setCentralWidget(client);
    m_markupToolbar = new MarkupToolbar(client);
    m_markupToolbar->setGeometry(0, 0, 696, markupToolbarHeight);
    m_referencePanel = new ReferencePanel(client);
    m_referencePanel->setGeometry(0, 64, referencePanelWidth, 419);
    m_editor = new SourceEditor(client);
    m_editor->setGeometry(160, 64, 536, 421);
    m_statusBar = new StatusBar(this);
    m_statusBar->setFixedWidth(774);
    setStatusBar(m_statusBar);

    m_document = new DocumentCommands(*m_editor, m_mainFileDialog, this);
    m_statusUpdater = new StatusUpdater(*m_editor, *m_statusBar, *m_document, this);
    buildMenus(*this);
    defineFileCommands();
    defineViewCommands(*this);
    defineSnippetCommands(*this);
    defineFormDialogCommands(*this);
    defineElementDialogCommands(*this);
    defineEditCommands(*this);

    resize(designSize);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QSize screenSize = screen->size();
        move((screenSize.width() - designSize.width()) / 2,
             (screenSize.height() - designSize.height()) / 2);
    }

    insertSnippet(*m_editor, startPage);
    m_editor->setFocus();
}

MainWindow::~MainWindow() = default;

void MainWindow::defineFileCommands()
{
    using Page = DocumentCommands::Page;
    m_commands.define(u"newHtml"_qs, [this] { m_document->newDocument(Page::Html); });
    m_commands.define(u"newAsp"_qs, [this] { m_document->newDocument(Page::Asp); });
    m_commands.define(u"newCss"_qs, [this] { m_document->newDocument(Page::Css); });
    m_commands.define(u"open"_qs, [this] { m_document->openDocument(); });
    m_commands.define(u"save"_qs, [this] { m_document->saveDocument(); });
    m_commands.define(u"exit"_qs, [this] { closeMainWindow(); });
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    applyLayout();
}

void MainWindow::applyLayout()
{
    const MainWindowLayout layout = layoutMainWindow(frameGeometry().size());
    m_markupToolbar->resize(layout.toolbarWidth, m_markupToolbar->height());
    m_editor->resize(layout.editorSize);
    m_referencePanel->resize(m_referencePanel->width(), layout.referencePanelHeight);
    m_referencePanel->setListHeight(layout.referenceListHeight);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_document->confirmSaveIfModified())
        event->ignore();
    else
        event->accept();
}
