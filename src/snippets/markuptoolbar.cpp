#include "snippets/markuptoolbar.h"

namespace {

constexpr const char16_t *pageTitles[] = {u"常用", u"文本", u"表单", u"特殊字符", u"媒体"};
constexpr const char *pageNames[] = {"commonPage", "textPage", "formPage", "specialCharacterPage",
                                     "mediaPage"};

} // namespace

MarkupToolbar::MarkupToolbar(QWidget *parent)
    : QTabWidget(parent)
{
    setObjectName(u"markupToolbar"_qs);
    for (std::size_t i = 0; i < std::size(pageTitles); ++i) {
        auto *page = new QWidget(this);
        page->setObjectName(QLatin1StringView(pageNames[i]));
        addTab(page, QString::fromUtf16(pageTitles[i]));
    }
    setCurrentIndex(0);
}
