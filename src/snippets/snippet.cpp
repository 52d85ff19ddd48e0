#include "snippets/snippet.h"

#include "editor/sourceeditor.h"

void insertSnippet(SourceEditor &editor, const Snippet &snippet)
{
    for (const char16_t *piece : snippet.pieces)
        editor.insertAtSelection(QString::fromUtf16(piece));
}
