#pragma once

#include "editor/fontrecord.h"
#include "platform/platform.h"

#include <QColor>

#include <cstdint>

class MainFileDialog;
class SourceEditor;

// What a confirmed font choice makes of the text's format: face, size and colour are taken over;
// of the effects at most one bit is added, bold before italic before underline. Strike-out is never
// applied and no bit the text had is cleared; the offset stays.
FontRecord withFontChoice(FontRecord record, const FontChoice &choice);

// "字体设置": selects the whole text, asks for a font pre-filled from the text's format and applies
// the choice to the whole text, which stays selected whatever the answer.
void applyFontToText(SourceEditor &editor, MainFileDialog &fileDialog);
