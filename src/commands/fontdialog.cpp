#include "commands/fontdialog.h"

#include "commands/colourpicker.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int pointSizes[] = {5, 6, 7, 8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};

QCheckBox *addStyleChoice(QVBoxLayout *layout, const char *name, const QString &caption,
                          bool checked)
{
    auto *box = new QCheckBox(caption);
    box->setObjectName(QLatin1StringView(name));
    box->setChecked(checked);
    layout->addWidget(box);
    return box;
}

} // namespace

FontDialog::FontDialog(const FontChoice &initial, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint)
    , m_initialSize(initial.pointSize)
{
    setObjectName(u"fontDialog"_qs);
    setWindowTitle(u"字体"_qs);
    setModal(true);

    m_face = new QComboBox;
    m_face->setObjectName(u"fontFace"_qs);
    m_face->setEditable(true);
    m_face->setInsertPolicy(QComboBox::NoInsert);
    m_face->addItems(QFontDatabase::families());
    m_face->setEditText(initial.face);

    m_size = new QComboBox;
    m_size->setObjectName(u"fontSize"_qs);
    m_size->setEditable(true);
    m_size->setInsertPolicy(QComboBox::NoInsert);
    m_size->setValidator(new QIntValidator(1, 1638, m_size));
    for (int size : pointSizes)
        m_size->addItem(QString::number(size));
    m_size->setEditText(QString::number(initial.pointSize));

    m_colour = new ColourPicker(ColourPicker::Automatic::Offered);
    m_colour->setObjectName(u"fontColour"_qs);
    m_colour->setColour(initial.colour);

    auto *fields = new QGridLayout;
    const struct { const char16_t *caption; QWidget *field; } rows[] = {
        {u"字体：", m_face}, {u"字号：", m_size}, {u"颜色：", m_colour}};
    for (int row = 0; row < 3; ++row) {
        auto *label = new QLabel(QString::fromUtf16(rows[row].caption));
        label->setBuddy(rows[row].field);
        fields->addWidget(label, row, 0);
        fields->addWidget(rows[row].field, row, 1);
    }

    auto *effects = new QGroupBox(u"效果"_qs);
    auto *effectsLayout = new QVBoxLayout(effects);
    m_bold = addStyleChoice(effectsLayout, "fontBold", u"粗体"_qs, initial.bold);
    m_italic = addStyleChoice(effectsLayout, "fontItalic", u"斜体"_qs, initial.italic);
    m_underline = addStyleChoice(effectsLayout, "fontUnderline", u"下划线"_qs, initial.underline);
    m_strikeOut = addStyleChoice(effectsLayout, "fontStrikeOut", u"删除线"_qs, initial.strikeOut);

    auto *sampleFrame = new QGroupBox(u"示例"_qs);
    auto *sampleLayout = new QVBoxLayout(sampleFrame);
    m_sample = new QLabel(u"砚舟 AaBbYyZz"_qs);
    m_sample->setObjectName(u"fontSample"_qs);
    m_sample->setAlignment(Qt::AlignCenter);
    m_sample->setFixedSize(220, 60);
    sampleLayout->addWidget(m_sample);

    auto *ok = new QPushButton(u"确定"_qs);
    ok->setObjectName(u"fontOk"_qs);
    ok->setDefault(true);
    auto *cancel = new QPushButton(u"取消"_qs);
    cancel->setObjectName(u"fontCancel"_qs);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto *lower = new QHBoxLayout;
    lower->addWidget(effects);
    lower->addWidget(sampleFrame);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(lower);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_face, &QComboBox::currentTextChanged, this, &FontDialog::updateSample);
    connect(m_size, &QComboBox::currentTextChanged, this, &FontDialog::updateSample);
    connect(m_colour, &QComboBox::currentIndexChanged, this, &FontDialog::updateSample);
    for (QCheckBox *box : {m_bold, m_italic, m_underline, m_strikeOut})
        connect(box, &QCheckBox::toggled, this, &FontDialog::updateSample);
    updateSample();
}

FontChoice FontDialog::choice() const
{
    FontChoice chosen;
    chosen.face = m_face->currentText();
    bool isNumber = false;
    const int size = m_size->currentText().toInt(&isNumber);
    // A size field left without a number keeps the size the dialog opened with.
    chosen.pointSize = isNumber && size > 0 ? size : m_initialSize;
    chosen.colour = m_colour->colour();
    chosen.bold = m_bold->isChecked();
    chosen.italic = m_italic->isChecked();
    chosen.underline = m_underline->isChecked();
    chosen.strikeOut = m_strikeOut->isChecked();
    return chosen;
}

void FontDialog::updateSample()
{
    const FontChoice shown = choice();
    QFont font(shown.face);
    font.setPointSize(shown.pointSize);
    font.setBold(shown.bold);
    font.setItalic(shown.italic);
    font.setUnderline(shown.underline);
    font.setStrikeOut(shown.strikeOut);
    m_sample->setFont(font);
    QPalette colours = m_sample->palette();
    colours.setColor(QPalette::WindowText,
                     shown.colour.isValid() ? shown.colour : palette().color(QPalette::WindowText));
    m_sample->setPalette(colours);
}
