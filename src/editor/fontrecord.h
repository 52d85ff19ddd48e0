#pragma once

#include <QColor>
#include <QString>

#include <cstdint>

// The character format of a piece of text as the editor reports and applies it.
struct FontRecord {
    enum Effect : int { Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8, Protected = 16 };

    QString face;
    int size = 0;          // points
    int offset = 0;        // vertical offset in points
    int effects = 0;       // Effect bits
    std::uint32_t colour = automaticColour; // 0x00BBGGRR

    static constexpr std::uint32_t automaticColour = 0xFF000000u;

    bool operator==(const FontRecord &) const = default;
};

// Colours as the records keep them, 0x00BBGGRR; the automatic colour is an invalid QColor.
QColor colourFromRecord(std::uint32_t colour);
std::uint32_t recordFromColour(const QColor &colour);
