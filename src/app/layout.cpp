#include "app/layout.h"

#include <algorithm>

MainWindowLayout layoutMainWindow(QSize outerSize)
{
    const int width = outerSize.width();
    const int height = outerSize.height();
    MainWindowLayout layout;
    layout.toolbarWidth = std::max(0, width - 8);
    layout.editorSize = QSize(std::max(0, width - referencePanelWidth - 8),
                              std::max(0, height - markupToolbarHeight - 65));
    layout.referencePanelHeight = layout.editorSize.height();
    layout.referenceListHeight = std::max(0, layout.referencePanelHeight - 41);
    return layout;
}
