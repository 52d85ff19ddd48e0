#pragma once

#include <QColor>
#include <QComboBox>

// A drop-down of colour swatches: the sixteen basic colours, optionally the automatic colour first,
// and "其他颜色..." for any other opaque colour. It never offers a transparent choice.
class ColourPicker : public QComboBox
{
    Q_OBJECT

public:
    enum class Automatic { Offered, NotOffered };

    explicit ColourPicker(Automatic automatic, QWidget *parent = nullptr);

    // An invalid colour is the automatic one.
    QColor colour() const;
    // A colour outside the list joins it as a custom entry.
    void setColour(const QColor &colour);

private:
    void chooseOtherColour();
    int customEntry() const;

    int m_lastIndex = 0;
};
