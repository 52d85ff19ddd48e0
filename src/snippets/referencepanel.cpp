#include "snippets/referencepanel.h"

#include "snippets/referencelists.h"
#include "snippets/snippettables.h"

#include <QListWidget>
#include <QMouseEvent>
#include <QTabBar>

namespace {

constexpr int listWidth = 160;
constexpr int designListHeight = 378;

} // namespace

ReferencePanel::ReferencePanel(QWidget *parent)
    : QTabWidget(parent)
{
    setObjectName(u"referencePanel"_qs);
    QFont titleFont(QString::fromUtf16(tabTitleFace));
    titleFont.setPixelSize(tabTitlePixelHeight);
    tabBar()->setFont(titleFont);
    // Narrow tabs, so all four page titles fit the panel's width without scroll arrows.
    tabBar()->setStyleSheet(u"QTabBar::tab { padding: 2px 7px; border: 1px solid palette(mid);"
                            " border-bottom: none; background: palette(button); }"
                            " QTabBar::tab:selected { background: palette(base); }"_qs);

    const auto designs = referenceLists();
    for (int i = 0; i < PageCount; ++i) {
        const ReferenceList &design = designs[i];
        auto *page = new QWidget(this);
        auto *list = new QListWidget(page);
        list->setObjectName(QLatin1StringView(design.listName));
        list->setGeometry(0, design.top, listWidth, designListHeight);
        list->setEditTriggers(QAbstractItemView::NoEditTriggers);
        // Named as the tools menu names its page: "vb参考" ...
        list->setAccessibleName(QString::fromUtf16(design.pageTitle) + u"参考"_qs);
        for (const char16_t *entry : design.entries)
            list->addItem(QString::fromUtf16(entry));
        addTab(page, QString::fromUtf16(design.pageTitle));
        m_lists[i] = list;
    }
    // "vb" and "html" take any double-click inside the list, even below the last entry; "ihtml"
    // and "asp" only a double-click on an entry.
    for (Page page : {Vb, Html})
        m_lists[page]->viewport()->installEventFilter(this);
    for (Page page : {Ihtml, Asp}) {
        QListWidget *list = m_lists[page];
        connect(list, &QListWidget::itemDoubleClicked, this, [this, list] { insertCurrentItem(list); });
    }
    setCurrentIndex(Ihtml);
}

void ReferencePanel::setListHeight(int height)
{
    for (int page : {Ihtml, Vb, Html, Asp})
        m_lists[page]->resize(m_lists[page]->width(), height);
}

void ReferencePanel::insertCurrentItem(QListWidget *list)
{
    const QListWidgetItem *current = list->currentItem();
    emit insertRequested(current ? current->text() : QString());
}

bool ReferencePanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        for (Page page : {Vb, Html}) {
            if (watched == m_lists[page]->viewport())
                insertCurrentItem(m_lists[page]);
        }
    }
    return QTabWidget::eventFilter(watched, event);
}
