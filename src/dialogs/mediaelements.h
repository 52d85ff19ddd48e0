#pragma once

#include <QString>
#include <QStringList>

// The media elements, joined from the media dialogs' field values: nothing is escaped, trimmed or
// checked, and paths keep their backslashes.

// The Flash player's cabinet, asking for player version 7,0,0,0.
inline constexpr const char16_t *flashCodebaseUrl =
    u"http://download.macromedia.com/pub/shockwave/cabs/flash/swflash.cab#version=7,0,0,0";
inline constexpr const char16_t *flashPluginsPageUrl = u"http://www.macromedia.com/go/getflashplayer";
// Where each slide of the fixed slideshow links to.
inline constexpr const char16_t *flashImageLinkUrl = u"http://www.example.com/";

struct ImageFields {
    QString path, width, height, align, border, alt, mapName;
};

struct MediaFields {
    QString path, width, height;
};

struct BackgroundMusicFields {
    QString path, loop;
};

QStringList imagePieces(const ImageFields &fields);
// The fixed slideshow object around the movie at path.
QStringList flashPieces(const QString &path);
QString flashletSettings();
QStringList mediaPieces(const MediaFields &fields);
QStringList backgroundMusicPieces(const BackgroundMusicFields &fields);
