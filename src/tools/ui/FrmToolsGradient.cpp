// The gradient group `Frame2` of the tool palette: colour wells, the frame
// width and angle boxes, the four gradient kinds and the gradient line pickers.
#include "tools/ui/FrmTools.h"

#include "tools/GradientOptions.h"
#include "tools/ToolPaletteModel.h"
#include "tools/ui/NumberBox.h"
#include "tools/ui/PickerWidget.h"
#include "widgets/ColourDialog.h"
#include "widgets/GradientWell.h"

#include <QButtonGroup>
#include <QFrame>
#include <QRadioButton>

namespace {

constexpr int FrameWidth = 112;
constexpr int PickerColumn2 = 57;
constexpr int PickerPitch = 18;
// The options' Tops are given in twips within the group; the highest of them
// sits this far down in the frame.
constexpr int OptionsTop = 26;
constexpr int HighestOptionTop = 1170;
constexpr int OptionHeight = 20;
constexpr int GradientLinesTop = 82;

}

QFrame *FrmTools::buildGradientFrame()
{
    QFrame *box = newFrame(2, GradientLinesTop);
    m_startWell
        = new GradientWell(QStringLiteral("hstartcolorPicture"), QStringLiteral("起始色"), box);
    m_startWell->setGeometry(3, 3, 24, 20);
    m_endWell = new GradientWell(QStringLiteral("hendcolorPicture"), QStringLiteral("终止色"), box);
    m_endWell->setGeometry(31, 3, 24, 20);
    for (GradientWell *well : { m_startWell, m_endWell })
        connect(well, &GradientWell::doubleClicked, this, [this, well] { chooseWellColour(well); });

    m_frameWidth = new NumberBox(
        QStringLiteral("hlinewidthText"), m_model.chooser().hlinewidthTextToolTip(), box);
    m_frameWidth->setText(m_model.values().hlinewidthText());
    connectNumberBox(
        m_frameWidth, &PaletteValues::sethlinewidthText, &PaletteValues::hlinewidthText);
    m_angle = new NumberBox(
        QStringLiteral("hlinecornerText"), QStringLiteral("渐变方向角度(0—179)"), box);
    m_angle->setText(m_model.values().hlinecornerText());
    connectNumberBox(m_angle, &PaletteValues::sethlinecornerText, &PaletteValues::hlinecornerText);
    for (NumberBox *number : { m_frameWidth, m_angle })
        number->setGeometry(59, 3, FrameWidth - 62, 20);

    addGradientOptions(box);
    int k = 0;
    for (const StylePicker &picker : StylePickers::of(PickerSet::GradientLine)) {
        addPicker(picker, box,
            QPoint(k % 2 ? PickerColumn2 : 3, GradientLinesTop + PickerPitch * (k / 2)));
        ++k;
    }
    return box;
}

void FrmTools::addGradientOptions(QFrame *frame)
{
    m_optionGroup = new QButtonGroup(frame);
    for (int k = 0; k < GradientOptions::OptionCount; ++k) {
        const GradientOptions::OptionButton &option = m_model.chooser().gradientOptions().option(k);
        auto *button = new QRadioButton(option.caption, frame);
        button->setObjectName(option.objectName);
        button->setToolTip(option.toolTip);
        m_optionGroup->addButton(button, k);
        m_options[size_t(k)] = button;
    }
    // Only the user's choice goes to the model; showing the model's choice
    // must not come back as one.
    connect(m_optionGroup, &QButtonGroup::idClicked, this,
        [this](int id) { m_model.chooser().selectGradientOption(id); });
}

void FrmTools::refreshGradientOptions()
{
    const GradientOptions &options = m_model.chooser().gradientOptions();
    for (int k = 0; k < GradientOptions::OptionCount; ++k) {
        const GradientOptions::OptionButton &option = options.option(k);
        QRadioButton *button = m_options[size_t(k)];
        button->setText(option.caption);
        button->setToolTip(option.toolTip);
        // The one-way and two-way options stand on the left, the lengthwise
        // ones beside them.
        const bool lengthwise = k == GradientOptions::DanZong || k == GradientOptions::ShuangZong;
        button->setGeometry(lengthwise ? PickerColumn2 : 3,
            OptionsTop + (option.top - HighestOptionTop) / 15,
            lengthwise ? FrameWidth - PickerColumn2 - 3 : PickerColumn2 - 3, OptionHeight);
        button->setVisible(option.visible);
    }
    // None selected is a state of its own (the text tool before it picks one).
    m_optionGroup->setExclusive(false);
    for (int k = 0; k < GradientOptions::OptionCount; ++k)
        m_options[size_t(k)]->setChecked(options.selected() == k);
    m_optionGroup->setExclusive(true);

    m_startWell->setColour(m_model.values().hstartcolorPicture());
    m_endWell->setColour(m_model.values().hendcolorPicture());
    m_startWell->setVisible(options.wellsVisible());
    m_endWell->setVisible(options.wellsVisible());
    m_frameWidth->setVisible(options.widthBoxVisible());
    m_frameWidth->setToolTip(m_model.chooser().hlinewidthTextToolTip());
    m_angle->setVisible(options.angleBoxVisible());
    const bool lines = m_model.chooser().gradientLinesVisible();
    for (PickerWidget *picker : m_pickers) {
        if (picker->picker().set == PickerSet::GradientLine)
            picker->setVisible(lines);
    }
    // The text tool has no line styles: the group ends below its options.
    m_frames[1]->setFixedHeight(GradientLinesTop + (lines ? 3 * PickerPitch + 3 : 0));
}

void FrmTools::chooseWellColour(GradientWell *well)
{
    PaletteValues &values = m_model.values();
    if (!values.wellsRespond())
        return;
    const bool start = well == m_startWell;
    const auto chosen
        = m_colourDialog.ask(window(), start ? QStringLiteral("起始色") : QStringLiteral("终止色"));
    if (!chosen)
        return;
    if (start)
        values.chooseStartColour(*chosen);
    else
        values.chooseEndColour(*chosen);
}
