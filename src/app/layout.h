#pragma once

#include <QSize>

// The sizes the main window's controls take for a given outer window size. Positions never change.
struct MainWindowLayout {
    int toolbarWidth = 0;
    QSize editorSize;
    int referencePanelHeight = 0;
    int referenceListHeight = 0;

    bool operator==(const MainWindowLayout &) const = default;
};

// The design's fixed parts: the reference panel's width and the toolbar's height.
constexpr int referencePanelWidth = 160;
constexpr int markupToolbarHeight = 64;

// Sizes below zero come back as zero: that is how a control too small to show is shown.
MainWindowLayout layoutMainWindow(QSize outerSize);
