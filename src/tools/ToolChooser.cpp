#include "tools/ToolChooser.h"

#include "document/Workspace.h"
#include "tools/PaletteStyles.h"
#include "tools/ToolButton.h"
#include "tools/ToolCode.h"

namespace {

enum Group {
    NoGroup = 0,
    EllipseGroup = 1,
    GradientGroup = 2,
    LineGroup = 3,
    BoxGroup = 4,
    SectorGroup = 5
};

}

ToolChooser::ToolChooser(Workspace &module, PaletteStyles &styles, QObject *parent)
    : QObject(parent)
    , m_module(module)
    , m_styles(styles)
    , m_marker(ToolButtons::button(1).marker)
{
    // The palette opens as the region tool shows it: no options, no line width.
    m_gradient.hide();
}

int ToolChooser::markedButton() const
{
    return ToolButtons::atMarker(m_marker);
}

void ToolChooser::CommandGotFocus(int button)
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

void ToolChooser::SelectTool(bool cancelRadius, int code)
{
    if (cancelRadius)
        m_module.CancelRadius();
    m_module.CancelSelection();
    m_module.ResetTextBox();
    m_module.hTool = code;
}

void ToolChooser::hideAngleReadout()
{
    m_picture2 = false;
    m_shapeC = false;
    m_labelC.clear();
}

// The region tool leaves a floating selection alone, so the user can go on
// moving it after a look at another tool.
void ToolChooser::chooseRegion()
{
    m_module.CancelRadius();
    m_module.ResetTextBox();
    m_module.hTool = ToolCode::SelectRegion;
    m_gradient.hide();
    m_gradientLines = false;
    ShowOptionGroup(NoGroup);
    hideAngleReadout();
}

void ToolChooser::chooseLineTool(int code)
{
    SelectTool(true, code);
    m_gradient.setText1Visible(true);
    ShowOptionGroup(LineGroup);
    hideAngleReadout();
    m_styles.setStyle(PickerSet::Line, 0);
}

void ToolChooser::chooseFillTool(int code, int group, PickerSet fill, PickerSet frame)
{
    SelectTool(true, code);
    m_gradient.setText1Visible(true);
    ShowOptionGroup(group);
    hideAngleReadout();
    m_styles.setStyle(fill, 0);
    m_styles.setStyle(frame, 0);
}

// Arcs and sectors keep a radius already fixed: switching between them goes
// on with the same radius.
void ToolChooser::chooseArc(int code)
{
    SelectTool(false, code);
    m_gradient.setText1Visible(true);
    ShowOptionGroup(LineGroup);
    m_picture2 = true;
    m_styles.setStyle(PickerSet::Line, 0);
}

void ToolChooser::chooseSector()
{
    SelectTool(false, ToolCode::Sector);
    m_gradient.setText1Visible(true);
    ShowOptionGroup(SectorGroup);
    m_picture2 = true;
    m_styles.setStyle(PickerSet::SectorFill, 0);
    m_styles.setStyle(PickerSet::SectorFrame, 0);
}

void ToolChooser::chooseGradient(int code, GradientOptions::Kind kind, const QString &widthTip)
{
    SelectTool(true, code);
    m_styles.setFillStyleOne();
    ShowGradientOptions(kind);
    m_widthTip = widthTip;
    m_gradientLines = true;
    ShowOptionGroup(GradientGroup);
    hideAngleReadout();
    m_styles.setStyle(PickerSet::GradientLine, 0);
}

void ToolChooser::chooseGradientArc(const QString &widthTip)
{
    SelectTool(false, ToolCode::GradientArcSector);
    m_styles.setFillStyleOne();
    ShowGradientOptions(GradientOptions::Kind::Hu);
    m_widthTip = widthTip;
    m_gradientLines = true;
    ShowOptionGroup(GradientGroup);
    m_picture2 = true;
    m_styles.setStyle(PickerSet::GradientLine, 0);
}

// The text tool keeps its text box: choosing it again must not lose what the
// user has typed.
void ToolChooser::chooseText()
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

void ToolChooser::chooseScale()
{
    SelectTool(true, ToolCode::ScaleImage);
    m_gradient.hide();
    m_gradientLines = false;
    ShowOptionGroup(NoGroup);
    hideAngleReadout();
}

void ToolChooser::ShowGradientOptions(GradientOptions::Kind kind)
{
    m_styles.setFillStyleOne();
    m_gradient.show(kind);
}

void ToolChooser::selectGradientOption(int option)
{
    m_gradient.select(option);
    emit changed();
}

void ToolChooser::showAngle(const QString &caption, const QString &tag)
{
    m_labelC = caption;
    m_labelCTag = tag;
    m_shapeC = true;
    emit changed();
}

void ToolChooser::clearAngle()
{
    m_labelC.clear();
    m_labelCTag.clear();
    m_shapeC = false;
    emit changed();
}
