#pragma once

#include <span>

// One page of the reference panel and the words its list offers, in display order.
struct ReferenceList {
    const char16_t *pageTitle;
    const char *listName;
    int top;
    const char *command; // the tools-menu command that brings the page to the front
    std::span<const char16_t *const> entries;
};

// The panel's pages in tab order: "vb", "html", "ihtml", "asp".
std::span<const ReferenceList> referenceLists();
