#include "snippets/referencepanel.h"

#include <QListWidget>

namespace {

struct ListDesign {
    const char16_t *pageTitle;
    const char *listName;
    int top;
};

constexpr ListDesign listDesigns[ReferencePanel::PageCount] = {
    {u"vb", "vbKeywordList", 0},
    {u"html", "htmlTagList", 0},
    {u"ihtml", "ihtmlTagList", 8},
    {u"asp", "aspVariableList", 0},
};

constexpr int listWidth = 160;
constexpr int designListHeight = 378;

} // namespace

ReferencePanel::ReferencePanel(QWidget *parent)
    : QTabWidget(parent)
{
    setObjectName(u"referencePanel"_qs);
    for (int i = 0; i < PageCount; ++i) {
        auto *page = new QWidget(this);
        auto *list = new QListWidget(page);
        list->setObjectName(QLatin1StringView(listDesigns[i].listName));
        list->setGeometry(0, listDesigns[i].top, listWidth, designListHeight);
        addTab(page, QString::fromUtf16(listDesigns[i].pageTitle));
        m_lists[i] = list;
    }
    setCurrentIndex(Ihtml);
}

void ReferencePanel::setListHeight(int height)
{
    for (int page : {Ihtml, Vb, Html, Asp})
        m_lists[page]->resize(m_lists[page]->width(), height);
}
