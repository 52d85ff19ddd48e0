#include "editor/fontrecord.h"

QColor colourFromRecord(std::uint32_t colour)
{
    if (colour == FontRecord::automaticColour)
        return QColor();
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

std::uint32_t recordFromColour(const QColor &colour)
{
    if (!colour.isValid())
        return FontRecord::automaticColour;
    return std::uint32_t(colour.red()) | std::uint32_t(colour.green()) << 8
        | std::uint32_t(colour.blue()) << 16;
}
