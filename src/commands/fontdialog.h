#pragma once

#include "platform/platform.h"

#include <QDialog>

class ColourPicker;
class QCheckBox;
class QComboBox;
class QLabel;

// The font dialog of the font command: face, size, colour and the four style choices, with a
// sample of the result.
class FontDialog : public QDialog
{
    Q_OBJECT

public:
    explicit FontDialog(const FontChoice &initial, QWidget *parent = nullptr);

    FontChoice choice() const;

private:
    void updateSample();

    int m_initialSize;

    QComboBox *m_face = nullptr;
    QComboBox *m_size = nullptr;
    ColourPicker *m_colour = nullptr;
    QCheckBox *m_bold = nullptr;
    QCheckBox *m_italic = nullptr;
    QCheckBox *m_underline = nullptr;
    QCheckBox *m_strikeOut = nullptr;
    QLabel *m_sample = nullptr;
};
