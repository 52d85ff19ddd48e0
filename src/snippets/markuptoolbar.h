#pragma once

#include <QTabWidget>

// The tab control across the top of the main window: five pages of picture buttons.
class MarkupToolbar : public QTabWidget
{
    Q_OBJECT

public:
    explicit MarkupToolbar(QWidget *parent = nullptr);
};
