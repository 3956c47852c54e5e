#pragma once

#include <QString>

#include <array>

// The gradient options of the palette's group 2: the two colour wells, the
// frame-width and angle boxes, the four gradient kinds and the line-width box
// `Text1`, as each gradient tool and the text tool show them.
class GradientOptions
{
public:
    // What ShowGradientOptions is asked for: the empty kind (gradient ellipse
    // and inside-outside rectangle), "zhu" (gradient rectangle), "hu"
    // (gradient arc and sector) and "word" (the text tool).
    enum class Kind { Plain, Zhu, Hu, Word };
    static Kind kindFromText(const QString &text);

    enum Option { DanJing, ShuangJing, DanZong, ShuangZong, OptionCount };
    // The selected option; NoOption when none is.
    static constexpr int NoOption = -1;

    struct OptionButton
    {
        QString objectName;
        QString caption;
        QString toolTip;
        int top = 0; // twips, in the group
        bool visible = false;
    };

    GradientOptions();

    void show(Kind kind);
    // HideGradientOptions: both wells, both boxes, the four options and `Text1`.
    void hide();

    const OptionButton &option(int index) const { return m_options[size_t(index)]; }
    int selected() const { return m_selected; }
    void select(int option);

    bool wellsVisible() const { return m_wellsVisible; }
    bool angleBoxVisible() const { return m_angleBoxVisible; }
    bool widthBoxVisible() const { return m_widthBoxVisible; }
    bool text1Visible() const { return m_text1Visible; }
    void setText1Visible(bool visible) { m_text1Visible = visible; }

private:
    void setOption(Option which, const QString &caption, const QString &toolTip);

    std::array<OptionButton, OptionCount> m_options;
    int m_selected = DanJing;
    bool m_wellsVisible = false;
    bool m_angleBoxVisible = false;
    bool m_widthBoxVisible = false;
    bool m_text1Visible = true;
};
