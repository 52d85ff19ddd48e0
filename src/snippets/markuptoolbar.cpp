#include "snippets/markuptoolbar.h"

#include "snippets/snippettables.h"

#include <QIcon>
#include <QMouseEvent>
#include <QTabBar>
#include <QToolButton>

#include <vector>

namespace {

constexpr int pictureSize = 28;

// The second press of a double-click arrives as a double-click event, which a button would
// otherwise take as one more click: the action would run twice.
class SingleClickButton : public QToolButton
{
public:
    using QToolButton::QToolButton;

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override { event->accept(); }
};

// A page places its buttons in toolbar coordinates each time it is shown or resized, since
// where the page sits inside the toolbar depends on the height of the page titles.
class ToolbarPageWidget : public QWidget
{
public:
    ToolbarPageWidget(QWidget *toolbar, QWidget *parent)
        : QWidget(parent)
        , m_toolbar(toolbar)
    {
    }

    void addButton(QToolButton *button, int left) { m_buttons.push_back({button, left}); }

    void placeButtons()
    {
        const QPoint origin = mapTo(m_toolbar, QPoint(0, 0));
        for (const auto &[button, left] : m_buttons)
            button->setGeometry(left - origin.x(), MarkupToolbar::buttonTop - origin.y(),
                                MarkupToolbar::buttonSize, MarkupToolbar::buttonSize);
    }

protected:
    void showEvent(QShowEvent *event) override
    {
        QWidget::showEvent(event);
        placeButtons();
    }
    void resizeEvent(QResizeEvent *event) override
    {
        QWidget::resizeEvent(event);
        placeButtons();
    }

private:
    QWidget *m_toolbar;
    std::vector<std::pair<QToolButton *, int>> m_buttons;
};

QFont captionFont(const CaptionFont &design, const QFont &toolbarFont)
{
    if (!design.face)
        return toolbarFont;
    QFont font(QString::fromUtf16(design.face));
    font.setPixelSize(design.pixelHeight);
    font.setBold(design.bold);
    font.setItalic(design.italic);
    return font;
}

} // namespace

MarkupToolbar::MarkupToolbar(QWidget *parent)
    : QTabWidget(parent)
{
    setObjectName(u"markupToolbar"_qs);
    QFont titleFont(QString::fromUtf16(tabTitleFace));
    titleFont.setPixelSize(tabTitlePixelHeight);
    tabBar()->setFont(titleFont);
    // Flat buttons that keep a thin border and the default button colours.
    setStyleSheet(u"QToolButton { border: 1px solid palette(mid); border-radius: 2px;"
                  " background: palette(button); }"
                  " QToolButton:hover { border-color: palette(dark); }"
                  " QToolButton:pressed { background: palette(mid); }"_qs);

    for (const ToolbarPage &pageDesign : toolbarPages()) {
        auto *page = new ToolbarPageWidget(this, this);
        page->setObjectName(QLatin1StringView(pageDesign.name));
        for (const ToolbarButton &design : pageDesign.buttons) {
            auto *button = new SingleClickButton(page);
            button->setObjectName(QLatin1StringView(design.name));
            button->setText(QString::fromUtf16(design.caption));
            button->setToolTip(QString::fromUtf16(design.tooltip));
            button->setAccessibleName(QString::fromUtf16(accessibleText(design)));
            button->setFocusPolicy(Qt::NoFocus);
            button->setFont(captionFont(design.captionFont, font()));
            // A picture fills the button face, so a caption beside it would be cut to a sliver.
            if (design.picture) {
                button->setIcon(QIcon(QString::fromLatin1(design.picture)));
                button->setIconSize(QSize(pictureSize, pictureSize));
                button->setToolButtonStyle(Qt::ToolButtonIconOnly);
            } else {
                button->setToolButtonStyle(Qt::ToolButtonTextOnly);
            }
            if (design.command) {
                const QString command = QString::fromLatin1(design.command);
                connect(button, &QToolButton::clicked, this,
                        [this, command] { emit commandChosen(command); });
            } else {
                connect(button, &QToolButton::clicked, this,
                        [this, &design] { emit snippetChosen(design.snippet); });
            }
            page->addButton(button, design.left);
        }
        addTab(page, QString::fromUtf16(pageDesign.title));
    }
    setCurrentIndex(0);
}
