#include "app/menuskin.h"

#include <QMenu>
#include <QMenuBar>

namespace MenuSkin {
namespace {

const QString barStyle = uR"(
QMenuBar { background: #f4f6fa; border-bottom: 1px solid #c9d2e0; }
QMenuBar::item { background: transparent; padding: 3px 2px; }
QMenuBar::item:selected { background: #dbe6f7; color: #102a5c; }
QMenuBar::item:pressed { background: #c3d5f2; color: #102a5c; }
)"_qs;

const QString menuStyle = uR"(
QMenu { background: #fcfcfe; border: 1px solid #a9b6cc; padding: 2px; }
QMenu::item { padding: 4px 24px 4px 20px; color: #1c1c1c; }
QMenu::item:selected { background: #dbe6f7; color: #102a5c; }
QMenu::item:disabled { color: #a0a6b0; }
QMenu::separator { height: 1px; background: #d5dbe6; margin: 3px 6px; }
)"_qs;

} // namespace

void apply(QMenuBar &bar)
{
    bar.setStyleSheet(barStyle);
}

void apply(QMenu &menu)
{
    menu.setStyleSheet(menuStyle);
}

} // namespace MenuSkin
