#pragma once

#include "app/commandrouter.h"
#include "document/mainfiledialog.h"

#include <QMainWindow>

class DocumentCommands;
class MarkupToolbar;
class Platform;
class ReferencePanel;
class SourceEditor;
class StatusBar;
class StatusUpdater;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr QSize designSize{702, 551};

    explicit MainWindow(Platform &platform, QWidget *parent = nullptr);
    ~MainWindow() override;

    Platform &platform() const { return m_platform; }
    CommandRouter &commands() { return m_commands; }
    MainFileDialog &mainFileDialog() { return m_mainFileDialog; }
    DocumentCommands &document() const { return *m_document; }
    SourceEditor &editor() const { return *m_editor; }
    MarkupToolbar &markupToolbar() const { return *m_markupToolbar; }
    ReferencePanel &referencePanel() const { return *m_referencePanel; }
    StatusBar &statusPanes() const { return *m_statusBar; }
    StatusUpdater &statusUpdater() const { return *m_statusUpdater; }

    // The platform's close request and "退出" both end here, so the save question is always asked.
    void closeMainWindow() { close(); }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void applyLayout();
    void defineFileCommands();

    Platform &m_platform;
    CommandRouter m_commands;
    MainFileDialog m_mainFileDialog;
    MarkupToolbar *m_markupToolbar = nullptr;
    ReferencePanel *m_referencePanel = nullptr;
    SourceEditor *m_editor = nullptr;
    StatusBar *m_statusBar = nullptr;
    DocumentCommands *m_document = nullptr;
    StatusUpdater *m_statusUpdater = nullptr;
};
