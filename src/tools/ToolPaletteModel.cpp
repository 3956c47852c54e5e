#include "tools/ToolPaletteModel.h"

#include "document/ColourToolModel.h"
#include "document/Document.h"
#include "document/Workspace.h"
#include "raster/PictureSurface.h"
#include "tools/NumberBoxRules.h"
#include "tools/ToolButton.h"
#include "tools/ToolCode.h"

#include <algorithm>
#include <cmath>

namespace {

// A picker's picture: 720 x 210 twips, the size its sample is drawn for.
constexpr int SampleWidth = 48;
constexpr int SampleHeight = 14;

enum Group {
    NoGroup = 0,
    EllipseGroup = 1,
    GradientGroup = 2,
    LineGroup = 3,
    BoxGroup = 4,
    SectorGroup = 5
};

}

ToolPaletteModel::ToolPaletteModel(Workspace &module, QObject *parent)
    : QObject(parent)
    , m_module(module)
    , m_marker(ToolButtons::button(1).marker)
{
    // The palette opens as the region tool shows it: no options, no line width.
    m_gradient.hide();
    for (size_t k = 0; k < StylePickers::all().size(); ++k)
        m_samples.push_back(std::make_unique<PictureSurface>(SampleWidth, SampleHeight));
    ColourToolModel &wells = m_module.colourTool();
    redrawSamples(wells.PictureForecolor(), wells.PictureFillColor());
    connect(&wells, &ColourToolModel::wellsChanged, this,
        [this, &wells] { redrawSamples(wells.PictureForecolor(), wells.PictureFillColor()); });
}

ToolPaletteModel::~ToolPaletteModel() = default;

void ToolPaletteModel::load()
{
    const ColourToolModel &wells = m_module.colourTool();
    redrawSamples(wells.PictureForecolor(), wells.PictureFillColor());
    m_module.hStartRed = m_module.hStartGreen = m_module.hStartBlue = 239;
    m_module.hEndRed = m_module.hEndGreen = m_module.hEndBlue = 127;
    m_module.hGradientAngle = 0;
    CommandGotFocus(1);
}

int ToolPaletteModel::markedButton() const
{
    return ToolButtons::atMarker(m_marker);
}

// Choosing a tool.

void ToolPaletteModel::CommandGotFocus(int button)
{
    if (!m_module.ActiveEdit() || button < 1 || button > ToolButtons::Count)
        return;
    const ToolButton &chosen = ToolButtons::button(button);
    m_marker = chosen.marker;
    switch (button) {
    case 1:
        chooseRegion();
        break;
    case 3:
        chooseFillTool(chosen.code, EllipseGroup, PickerSet::EllipseFill, PickerSet::EllipseFrame);
        break;
    case 4:
        chooseFillTool(chosen.code, BoxGroup, PickerSet::BoxFill, PickerSet::BoxFrame);
        break;
    case 7:
        chooseGradient(chosen.code, GradientOptions::Kind::Plain, QStringLiteral("圆框宽度"));
        break;
    case 8:
        chooseGradient(chosen.code, GradientOptions::Kind::Plain, QStringLiteral("方框宽度"));
        break;
    case 10:
        chooseArc(chosen.code);
        break;
    case 11:
        chooseGradient(chosen.code, GradientOptions::Kind::Zhu, m_widthTip);
        break;
    case 12:
        chooseScale();
        break;
    case 13:
        chooseText();
        break;
    case 14:
        chooseSector();
        break;
    case 15:
        chooseGradientArc(QStringLiteral("弧宽度"));
        break;
    case 16:
        // The gradient sector is the gradient arc drawn with the lengthwise kind.
        chooseGradientArc(QStringLiteral("扇形宽度"));
        m_marker = chosen.marker;
        m_gradient.select(GradientOptions::DanZong);
        break;
    default:
        chooseLineTool(chosen.code);
        break;
    }
    emit changed();
}

void ToolPaletteModel::SelectTool(bool cancelRadius, int code)
{
    if (cancelRadius)
        m_module.CancelRadius();
    m_module.CancelSelection();
    m_module.ResetTextBox();
    m_module.hTool = code;
}

void ToolPaletteModel::hideAngleReadout()
{
    m_picture2 = false;
    m_shapeC = false;
    m_labelC.clear();
}

// The region tool leaves a floating selection alone, so the user can go on
// moving it after a look at another tool.
void ToolPaletteModel::chooseRegion()
{
    m_module.CancelRadius();
    m_module.ResetTextBox();
    m_module.hTool = ToolCode::SelectRegion;
    m_gradient.hide();
    m_gradientLines = false;
    ShowOptionGroup(NoGroup);
    hideAngleReadout();
}

void ToolPaletteModel::chooseLineTool(int code)
{
    SelectTool(true, code);
    m_gradient.setText1Visible(true);
    ShowOptionGroup(LineGroup);
    hideAngleReadout();
    setStyle(PickerSet::Line, 0);
}

void ToolPaletteModel::chooseFillTool(int code, int group, PickerSet fill, PickerSet frame)
{
    SelectTool(true, code);
    m_gradient.setText1Visible(true);
    ShowOptionGroup(group);
    hideAngleReadout();
    setStyle(fill, 0);
    setStyle(frame, 0);
}

// Arcs and sectors keep a radius already fixed: switching between them goes
// on with the same radius.
void ToolPaletteModel::chooseArc(int code)
{
    SelectTool(false, code);
    m_gradient.setText1Visible(true);
    ShowOptionGroup(LineGroup);
    m_picture2 = true;
    setStyle(PickerSet::Line, 0);
}

void ToolPaletteModel::chooseSector()
{
    SelectTool(false, ToolCode::Sector);
    m_gradient.setText1Visible(true);
    ShowOptionGroup(SectorGroup);
    m_picture2 = true;
    setStyle(PickerSet::SectorFill, 0);
    setStyle(PickerSet::SectorFrame, 0);
}

void ToolPaletteModel::chooseGradient(int code, GradientOptions::Kind kind, const QString &widthTip)
{
    SelectTool(true, code);
    setFillStyleOne();
    ShowGradientOptions(kind);
    m_widthTip = widthTip;
    m_gradientLines = true;
    ShowOptionGroup(GradientGroup);
    hideAngleReadout();
    setStyle(PickerSet::GradientLine, 0);
}

void ToolPaletteModel::chooseGradientArc(const QString &widthTip)
{
    SelectTool(false, ToolCode::GradientArcSector);
    setFillStyleOne();
    ShowGradientOptions(GradientOptions::Kind::Hu);
    m_widthTip = widthTip;
    m_gradientLines = true;
    ShowOptionGroup(GradientGroup);
    m_picture2 = true;
    setStyle(PickerSet::GradientLine, 0);
}

// The text tool keeps its text box: choosing it again must not lose what the
// user has typed.
void ToolPaletteModel::chooseText()
{
    m_module.CancelRadius();
    m_module.CancelSelection();
    m_module.hTool = ToolCode::Text;
    ShowGradientOptions(GradientOptions::Kind::Word);
    m_gradient.select(GradientOptions::DanZong);
    m_gradientLines = false;
    ShowOptionGroup(GradientGroup);
    hideAngleReadout();
}

void ToolPaletteModel::chooseScale()
{
    SelectTool(true, ToolCode::ScaleImage);
    m_gradient.hide();
    m_gradientLines = false;
    ShowOptionGroup(NoGroup);
    hideAngleReadout();
}

// Gradient shapes paint their own inside: the canvas fill stays out of the way.
void ToolPaletteModel::setFillStyleOne()
{
    m_module.hFillStyle = 1;
    if (Document *document = m_module.ActiveEdit())
        document->Picture1().setFillStyle(1);
}

void ToolPaletteModel::ShowGradientOptions(GradientOptions::Kind kind)
{
    setFillStyleOne();
    m_gradient.show(kind);
}

void ToolPaletteModel::selectGradientOption(int option)
{
    m_gradient.select(option);
    emit changed();
}

void ToolPaletteModel::showAngle(const QString &caption, const QString &tag)
{
    m_labelC = caption;
    m_labelCTag = tag;
    m_shapeC = true;
    emit changed();
}

void ToolPaletteModel::clearAngle()
{
    m_labelC.clear();
    m_labelCTag.clear();
    m_shapeC = false;
    emit changed();
}

// Styles.

void ToolPaletteModel::pickerClicked(const StylePicker &picker)
{
    setStyle(picker.set, picker.style());
}

void ToolPaletteModel::labelClicked(int label)
{
    static constexpr std::array<PickerSet, 3> Frames { PickerSet::EllipseFrame, PickerSet::BoxFrame,
        PickerSet::SectorFrame };
    if (label >= 1 && label <= 3)
        pickerClicked({ Frames[size_t(label - 1)], 15 });
}

void ToolPaletteModel::setStyle(PickerSet set, int style)
{
    Document *document = m_module.ActiveEdit();
    if (!document)
        return;
    if (StylePickers::kindOf(set) == StyleKind::Fill) {
        m_module.hFillStyle = style;
        document->Picture1().setFillStyle(style);
    } else {
        m_module.hDrawStyle = style;
        document->Picture1().setDrawStyle(style);
    }
    m_highlight[size_t(set)] = StylePickers::numberShowing(set, style);
    emit changed();
}

size_t ToolPaletteModel::sampleIndex(const StylePicker &picker) const
{
    const auto &all = StylePickers::all();
    return size_t(std::find(all.begin(), all.end(), picker) - all.begin());
}

const PictureSurface &ToolPaletteModel::sample(const StylePicker &picker) const
{
    return *m_samples.at(sampleIndex(picker));
}

void ToolPaletteModel::redrawSamples(ColourValue pen, ColourValue drawing)
{
    const auto &all = StylePickers::all();
    for (size_t k = 0; k < all.size(); ++k)
        PickerSamples::draw(*m_samples[k], all[k].sampleFamily(), all[k].style(), pen, drawing);
    emit samplesChanged();
}

// Number boxes.

void ToolPaletteModel::setText1(const QString &text)
{
    const QString repaired = NumberBoxRules::lineWidth(text);
    const bool different = repaired != m_text1;
    m_text1 = repaired;
    if (Document *document = m_module.ActiveEdit())
        document->Picture1().setDrawWidth(lineWidth().value_or(1));
    if (different)
        emit text1Changed();
}

void ToolPaletteModel::sethlinewidthText(const QString &text)
{
    m_frameWidth = NumberBoxRules::frameWidth(text);
}

void ToolPaletteModel::sethlinecornerText(const QString &text)
{
    m_angle = NumberBoxRules::gradientAngle(text);
    m_module.hGradientAngle = m_angle.toDouble();
}

std::optional<int> ToolPaletteModel::lineWidth() const
{
    bool ok = false;
    const double value = m_text1.trimmed().toDouble(&ok);
    if (!ok)
        return std::nullopt;
    if (value >= 32767)
        return 32767;
    if (value <= -32768)
        return -32768;
    return int(std::nearbyint(value));
}

// Gradient colour wells.

bool ToolPaletteModel::wellsRespond() const
{
    return m_module.ActiveEdit() != nullptr;
}

bool ToolPaletteModel::chooseStartColour(ColourValue colour)
{
    return chooseWellColour(
        colour, m_startWell, m_module.hStartRed, m_module.hStartGreen, m_module.hStartBlue);
}

bool ToolPaletteModel::chooseEndColour(ColourValue colour)
{
    return chooseWellColour(
        colour, m_endWell, m_module.hEndRed, m_module.hEndGreen, m_module.hEndBlue);
}

// A gradient well takes the colour and the module its three components.
bool ToolPaletteModel::chooseWellColour(
    ColourValue colour, ColourValue &well, int &red, int &green, int &blue)
{
    if (!wellsRespond())
        return false;
    well = colour & 0xFFFFFF;
    red = Colour::red(well);
    green = Colour::green(well);
    blue = Colour::blue(well);
    emit changed();
    return true;
}
