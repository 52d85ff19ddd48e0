#pragma once

#include <QTabWidget>

class QListWidget;

// The tab control down the left side: one keyword list per page. A double-click asks for the
// list's current entry to be inserted.
class ReferencePanel : public QTabWidget
{
    Q_OBJECT

public:
    enum Page { Vb, Html, Ihtml, Asp, PageCount };

    explicit ReferencePanel(QWidget *parent = nullptr);

    QListWidget *list(Page page) const { return m_lists[page]; }
    void setListHeight(int height);
    void showReferencePage(Page page) { setCurrentIndex(page); }
    // Asks for the text of the list's current entry; with no current entry that is the empty text.
    void insertCurrentItem(QListWidget *list);

signals:
    void insertRequested(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QListWidget *m_lists[PageCount] = {};
};
