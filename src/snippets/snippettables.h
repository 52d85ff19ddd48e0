#pragma once

#include "snippets/snippet.h"

#include <span>

// The web site that the add-to-favourites and set-as-home-page snippets point to.
inline constexpr char16_t siteUrl[] = u"http://www.example.com/";

// The face of the page titles of the toolbar and the reference panel, 12 pixels high.
inline constexpr char16_t tabTitleFace[] = u"宋体";
inline constexpr int tabTitlePixelHeight = 12;

// A caption's font on the text page; a null face leaves the toolbar's own font.
struct CaptionFont {
    const char16_t *face = nullptr;
    int pixelHeight = 0;
    bool bold = false;
    bool italic = false;
};

// One toolbar button: it inserts its snippet, or runs its command when it has one.
struct ToolbarButton {
    const char *name;
    int left;
    const char16_t *caption = u"";
    const char16_t *tooltip = u"";
    const char16_t *characterName = nullptr; // the special characters have no tooltip to speak
    const char *picture = nullptr;
    CaptionFont captionFont = {};
    Snippet snippet = {};
    const char *command = nullptr;
};

// What a screen reader announces for the button.
inline const char16_t *accessibleText(const ToolbarButton &button)
{
    return button.characterName ? button.characterName : button.tooltip;
}

struct ToolbarPage {
    const char16_t *title;
    const char *name;
    std::span<const ToolbarButton> buttons;
};

// The toolbar's pages in tab order.
std::span<const ToolbarPage> toolbarPages();

// A menu item that inserts a fixed text, keyed by its command name.
struct MenuSnippet {
    const char *command;
    Snippet snippet;
};

std::span<const MenuSnippet> menuSnippets();
