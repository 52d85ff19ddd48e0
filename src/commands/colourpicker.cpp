#include "commands/colourpicker.h"

#include <QColorDialog>
#include <QPainter>
#include <QPixmap>

namespace {

struct NamedColour {
    const char16_t *name;
    QRgb rgb;
};

constexpr NamedColour basicColours[] = {
    {u"黑色", 0x000000}, {u"栗色", 0x800000}, {u"绿色", 0x008000}, {u"橄榄色", 0x808000},
    {u"藏青色", 0x000080}, {u"紫色", 0x800080}, {u"水鸭色", 0x008080}, {u"灰色", 0x808080},
    {u"银色", 0xC0C0C0}, {u"红色", 0xFF0000}, {u"亮绿色", 0x00FF00}, {u"黄色", 0xFFFF00},
    {u"蓝色", 0x0000FF}, {u"紫红色", 0xFF00FF}, {u"青色", 0x00FFFF}, {u"白色", 0xFFFFFF},
};

// Besides its colour, each entry says what it is: the custom entry holds whatever colour was
// chosen last in the colour dialog, and "其他颜色..." opens that dialog instead of being a colour.
constexpr int entryRole = Qt::UserRole + 1;
enum Entry { ListedColour, CustomColour, OtherColour };

QIcon swatch(const QColor &colour)
{
    QPixmap pixmap(16, 12);
    pixmap.fill(colour.isValid() ? colour : QColor(Qt::white));
    QPainter painter(&pixmap);
    painter.setPen(Qt::gray);
    painter.drawRect(0, 0, pixmap.width() - 1, pixmap.height() - 1);
    return QIcon(pixmap);
}

} // namespace

ColourPicker::ColourPicker(Automatic automatic, QWidget *parent)
    : QComboBox(parent)
{
    if (automatic == Automatic::Offered)
        addItem(swatch(QColor()), u"自动"_qs, QColor());
    for (const NamedColour &entry : basicColours) {
        const QColor colour = QColor::fromRgb(entry.rgb);
        addItem(swatch(colour), QString::fromUtf16(entry.name), colour);
    }
    addItem(u"其他颜色..."_qs);
    setItemData(count() - 1, OtherColour, entryRole);
    setColour(automatic == Automatic::Offered ? QColor() : QColor(Qt::black));
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (itemData(index, entryRole).toInt() == OtherColour)
            chooseOtherColour();
        else
            m_lastIndex = index;
    });
}

QColor ColourPicker::colour() const
{
    return currentData().value<QColor>();
}

void ColourPicker::setColour(const QColor &colour)
{
    for (int i = 0; i < count(); ++i) {
        if (itemData(i, entryRole).toInt() == ListedColour && itemData(i).value<QColor>() == colour) {
            setCurrentIndex(i);
            m_lastIndex = i;
            return;
        }
    }
    int custom = customEntry();
    if (custom < 0) {
        custom = count() - 1;
        insertItem(custom, u"自定义"_qs);
        setItemData(custom, CustomColour, entryRole);
    }
    setItemData(custom, colour);
    setItemIcon(custom, swatch(colour));
    setCurrentIndex(custom);
    m_lastIndex = custom;
}

int ColourPicker::customEntry() const
{
    return findData(CustomColour, entryRole);
}

void ColourPicker::chooseOtherColour()
{
    const QColor chosen = QColorDialog::getColor(itemData(m_lastIndex).value<QColor>(), this,
                                                 u"颜色"_qs);
    if (chosen.isValid())
        setColour(chosen);
    else
        setCurrentIndex(m_lastIndex);
}
