#pragma once

#include <QTabWidget>

struct Snippet;

// The tab control across the top of the main window: five pages of picture buttons. A button
// either asks for its snippet to be inserted or names the command that opens its dialog.
class MarkupToolbar : public QTabWidget
{
    Q_OBJECT

public:
    // Buttons stand at these toolbar coordinates, whatever the height of the page titles.
    static constexpr int buttonTop = 27;
    static constexpr int buttonSize = 32;

    explicit MarkupToolbar(QWidget *parent = nullptr);

signals:
    void snippetChosen(const Snippet &snippet);
    void commandChosen(const QString &command);
};
