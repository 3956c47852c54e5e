#pragma once

#include "base/ColourValue.h"
#include "tools/GradientOptions.h"
#include "tools/StylePicker.h"

#include <QObject>
#include <QPoint>
#include <QString>

#include <array>
#include <memory>
#include <optional>
#include <vector>

class Workspace;
class PictureSurface;

// The tool palette without its window: which tool is chosen and where the
// marker sits, which option group and which controls are shown, the style
// pickers with their samples and highlights, the gradient options, the three
// number boxes and the two gradient colour wells. Choosing a tool or a style
// acts on the shared state and the active document through the Workspace; with
// no document open the buttons, pickers and wells do nothing at all.
class ToolPaletteModel : public QObject
{
    Q_OBJECT
public:
    // Option groups: 0 none, 1 ellipse, 2 gradient, 3 line, 4 box, 5 sector.
    static constexpr int GroupCount = 5;

    explicit ToolPaletteModel(Workspace &module, QObject *parent = nullptr);
    ~ToolPaletteModel() override;

    // The palette window loaded: samples, gradient defaults, then the region tool.
    void load();

    // A tool button received the input focus.
    void CommandGotFocus(int button);
    QPoint markerTwips() const { return m_marker; }
    int markedButton() const;

    int visibleGroup() const { return m_group; }
    bool gradientLinesVisible() const { return m_gradientLines; }
    const GradientOptions &gradientOptions() const { return m_gradient; }
    bool text1Visible() const { return m_gradient.text1Visible(); }
    // The gradient tools read the kind from the selected option.
    void selectGradientOption(int option);
    QString hlinewidthTextToolTip() const { return m_widthTip; }

    // The angle read-out `Picture2` with its label `LabelC` and shape `ShapeC`;
    // the arc and sector tools write it.
    bool Picture2Visible() const { return m_picture2; }
    bool ShapeCVisible() const { return m_shapeC; }
    QString LabelC() const { return m_labelC; }
    QString LabelCTag() const { return m_labelCTag; }
    void showAngle(const QString &caption, const QString &tag);
    void clearAngle();

    // Style pickers. A click sets the style of its set; the labels 1..3
    // ("无框线" over picker 15 of the ellipse, box and sector frames) act like it.
    void pickerClicked(const StylePicker &picker);
    void labelClicked(int label);
    void setStyle(PickerSet set, int style);
    // The picker shown raised in the set, 0 when none is.
    int highlighted(PickerSet set) const { return m_highlight[size_t(set)]; }
    const PictureSurface &sample(const StylePicker &picker) const;
    // Draws every picker's sample again in the pen and drawing colours; the
    // colour window calls this when those wells change.
    void redrawSamples(ColourValue pen, ColourValue drawing);

    // Number boxes. Each setter is the box's change handler: it repairs the
    // text (read the box back afterwards) and applies it.
    QString Text1() const { return m_text1; }
    void setText1(const QString &text);
    QString hlinewidthText() const { return m_frameWidth; }
    void sethlinewidthText(const QString &text);
    QString hlinecornerText() const { return m_angle; }
    void sethlinecornerText(const QString &text);
    // The line width the box holds as a 16-bit number, nothing for an empty box.
    std::optional<int> lineWidth() const;

    // Gradient colour wells. Choosing a colour is refused without a document.
    ColourValue hstartcolorPicture() const { return m_startWell; }
    ColourValue hendcolorPicture() const { return m_endWell; }
    bool wellsRespond() const;
    bool chooseStartColour(ColourValue colour);
    bool chooseEndColour(ColourValue colour);

signals:
    // Anything the palette shows, other than the samples, may have changed.
    void changed();
    void text1Changed();
    void samplesChanged();

private:
    bool chooseWellColour(ColourValue colour, ColourValue &well, int &red, int &green, int &blue);
    void SelectTool(bool cancelRadius, int code);
    void ShowOptionGroup(int n) { m_group = n; }
    void ShowGradientOptions(GradientOptions::Kind kind);
    void hideAngleReadout();
    void chooseRegion();
    void chooseLineTool(int code);
    void chooseFillTool(int code, int group, PickerSet fill, PickerSet frame);
    void chooseArc(int code);
    void chooseSector();
    void chooseGradient(int code, GradientOptions::Kind kind, const QString &widthTip);
    void chooseGradientArc(const QString &widthTip);
    void chooseText();
    void chooseScale();
    void setFillStyleOne();
    size_t sampleIndex(const StylePicker &picker) const;

    Workspace &m_module;
    QPoint m_marker;
    int m_group = 0;
    bool m_gradientLines = false;
    GradientOptions m_gradient;
    QString m_widthTip = QStringLiteral("圆框宽度");
    bool m_picture2 = false;
    bool m_shapeC = false;
    QString m_labelC;
    QString m_labelCTag;
    std::array<int, StylePickers::SetCount> m_highlight {};
    std::vector<std::unique_ptr<PictureSurface>> m_samples;
    QString m_text1 = QStringLiteral("1");
    QString m_frameWidth = QStringLiteral("0");
    QString m_angle = QStringLiteral("0");
    ColourValue m_startWell = Colour::fromRgb(224, 224, 224);
    ColourValue m_endWell = Colour::fromRgb(128, 128, 128);
};
