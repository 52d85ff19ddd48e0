#include "commands/fontcommand.h"

#include "document/mainfiledialog.h"
#include "editor/sourceeditor.h"

FontRecord withFontChoice(FontRecord record, const FontChoice &choice)
{
    record.face = choice.face;
    record.size = choice.pointSize;
    record.colour = recordFromColour(choice.colour);
    if (choice.bold)
        record.effects |= FontRecord::Bold;
    else if (choice.italic)
        record.effects |= FontRecord::Italic;
    else if (choice.underline)
        record.effects |= FontRecord::Underline;
    return record;
}

void applyFontToText(SourceEditor &editor, MainFileDialog &fileDialog)
{
    editor.selectAllText();
    const FontRecord record = editor.getSelectionFormat();
    fileDialog.prefillFont(record.face, record.size, colourFromRecord(record.colour));
    if (!fileDialog.showFont())
        return;
    // One merge over the whole selection: fast even for a text of many megabytes.
    editor.setSelectionFormat(withFontChoice(record, fileDialog.fontChoice()));
}
