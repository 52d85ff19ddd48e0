#pragma once

#include <QString>

#include <initializer_list>

// A fixed text of one or more pieces. Each piece goes in with its own insertAtSelection, in order,
// so the caret ends after the last one. Pieces are written as the product gives them, CR LF included.
struct Snippet {
    std::initializer_list<const char16_t *> pieces;
};

class SourceEditor;

void insertSnippet(SourceEditor &editor, const Snippet &snippet);
