#pragma once

#include "tools/GradientOptions.h"
#include "tools/StylePicker.h"

#include <QObject>
#include <QPoint>
#include <QString>

class PaletteStyles;
class Workspace;

// The palette's tool chooser: the sixteen buttons, the marker on the chosen
// one, the option group and the controls each tool shows, and the "choose a
// tool" steps (`CommandGotFocus`), which act on the shared state and the
// active document through the Workspace and reset the chosen tool's styles.
// With no document open a button does nothing.
class ToolChooser : public QObject
{
    Q_OBJECT
public:
    // Option groups: 0 none, 1 ellipse, 2 gradient, 3 line, 4 box, 5 sector.
    static constexpr int GroupCount = 5;

    ToolChooser(Workspace &module, PaletteStyles &styles, QObject *parent = nullptr);

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

signals:
    void changed();

private:
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

    Workspace &m_module;
    PaletteStyles &m_styles;
    QPoint m_marker;
    int m_group = 0;
    bool m_gradientLines = false;
    GradientOptions m_gradient;
    QString m_widthTip = QStringLiteral("圆框宽度");
    bool m_picture2 = false;
    bool m_shapeC = false;
    QString m_labelC;
    QString m_labelCTag;
};
