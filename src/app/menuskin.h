#pragma once

class QMenu;
class QMenuBar;

// The program's own light look for the menu bar, its drop-downs and the right-click menu.
// A sub-menu takes the look of the menu it opens from.
namespace MenuSkin {

void apply(QMenuBar &bar);
void apply(QMenu &menu);

} // namespace MenuSkin
