#include "commands/statusbar.h"

#include <QLabel>

namespace {

struct PaneDesign {
    int width;
    const char16_t *text;
};

constexpr PaneDesign paneDesigns[StatusBar::paneCount] = {
    {55, u"程序行数"}, {50, u"0"}, {55, u"光标行位"}, {50, u"1"}, {55, u"光标列位"},
    {50, u"0"},        {55, u"程序长度"}, {55, u""},   {55, u""},
};

} // namespace

StatusBar::StatusBar(QWidget *parent)
    : QStatusBar(parent)
{
    setObjectName(u"statusBar"_qs);
    setSizeGripEnabled(false);
    for (int i = 0; i < paneCount; ++i) {
        auto *pane = new QLabel(QString::fromUtf16(paneDesigns[i].text), this);
        pane->setObjectName(u"statusPane%1"_qs.arg(i));
        pane->setFixedWidth(paneDesigns[i].width);
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        addWidget(pane);
        m_panes[i] = pane;
    }
}

void StatusBar::setPaneText(int index, const QString &text)
{
    if (index >= 0 && index < paneCount)
        m_panes[index]->setText(text);
}

QString StatusBar::paneText(int index) const
{
    return index >= 0 && index < paneCount ? m_panes[index]->text() : QString();
}
