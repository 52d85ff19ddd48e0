#include "document/mainfiledialog.h"

#include "platform/platform.h"

MainFileDialog::MainFileDialog(Platform &platform)
    : m_platform(platform)
{
}

bool MainFileDialog::showOpenFile()
{
    return show(Kind::OpenFile);
}

bool MainFileDialog::showSaveFile()
{
    return show(Kind::SaveFile);
}

bool MainFileDialog::show(Kind kind)
{
    m_kind = kind;
    FileDialogRequest request;
    request.kind = kind == Kind::SaveFile ? FileDialogKind::Save : FileDialogKind::Open;
    request.filter = QString::fromUtf16(filter);
    request.selectedEntry = preselectedEntry;
    request.fileName = m_fileName;
    const std::optional<QString> chosen = m_platform.chooseFile(request);
    if (!chosen)
        return false;
    m_fileName = *chosen;
    return true;
}

void MainFileDialog::prefillFont(const QString &face, int pointSize, const QColor &colour)
{
    m_kind = Kind::Font;
    m_font.face = face;
    m_font.pointSize = pointSize;
    m_font.colour = colour;
}

bool MainFileDialog::showFont()
{
    m_kind = Kind::Font;
    const std::optional<FontChoice> chosen = m_platform.chooseFont(m_font);
    if (!chosen)
        return false;
    m_font = *chosen;
    return true;
}
