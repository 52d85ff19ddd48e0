#pragma once

#include <QTabWidget>

class QListWidget;

// The tab control down the left side: one keyword list per page.
class ReferencePanel : public QTabWidget
{
    Q_OBJECT

public:
    enum Page { Vb, Html, Ihtml, Asp, PageCount };

    explicit ReferencePanel(QWidget *parent = nullptr);

    QListWidget *list(Page page) const { return m_lists[page]; }
    void setListHeight(int height);

private:
    QListWidget *m_lists[PageCount] = {};
};
