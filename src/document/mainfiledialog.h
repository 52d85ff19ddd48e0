#pragma once

#include "platform/platform.h"

#include <QString>

// The main window's one common file dialog. It keeps its kind and its file name between uses:
// Open leaves the opened path for the next save, and every save clears it.
class MainFileDialog
{
public:
    enum class Kind { OpenFile, SaveFile, Font };

    static constexpr const char16_t *filter = u"web文件|*.html|asp文件|*.asp|css文件|*.css|所有文件|*.*";
    static constexpr int preselectedEntry = 1;

    explicit MainFileDialog(Platform &platform);

    Kind kind() const { return m_kind; }
    void setKind(Kind kind) { m_kind = kind; }
    QString fileName() const { return m_fileName; }
    void clearFileName() { m_fileName.clear(); }

    // Shows the dialog in that kind; on OK the chosen path becomes the file name and true comes
    // back, on Cancel the file name keeps its value.
    bool showOpenFile();
    bool showSaveFile();

    // The font kind. The font command pre-fills face, size and colour; the four style choices
    // keep what the last confirmed use chose. On OK the whole choice is kept and true comes back.
    void prefillFont(const QString &face, int pointSize, const QColor &colour);
    bool showFont();
    FontChoice fontChoice() const { return m_font; }

    Platform &platform() const { return m_platform; }

private:
    bool show(Kind kind);

    Platform &m_platform;
    Kind m_kind = Kind::OpenFile;
    QString m_fileName;
    FontChoice m_font;
};
