#include "tools/ui/FrmTools.h"

#include "base/DigitsOnly.h"
#include "tools/ToolButton.h"
#include "tools/ToolPaletteModel.h"
#include "tools/ui/NumberBox.h"
#include "tools/ui/PickerWidget.h"
#include "tools/ui/ToolButtonWidget.h"
#include "widgets/GradientWell.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// Layout in pixels: the palette is a narrow column of two button columns.
constexpr int ContentWidth = 112;
constexpr int ButtonWidth = 54, ButtonHeight = 26, ButtonGap = 4;
constexpr int PickerColumn2 = 57;
constexpr int PickerPitch = 18;

void keepPlaceWhenHidden(QWidget *widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

}

FrmTools::FrmTools(ToolPaletteModel &model, ColourDialog &colourDialog, QWidget *parent)
    : QDockWidget(parent)
    , m_model(model)
    , m_colourDialog(colourDialog)
{
    setObjectName(QStringLiteral("FrmTools"));
    setWindowTitle(QStringLiteral("工具"));
    setFeatures(QDockWidget::NoDockWidgetFeatures);
    setAllowedAreas(Qt::LeftDockWidgetArea);
    setTitleBarWidget(new QWidget(this));
    auto *body = new QWidget(this);
    body->setFixedWidth(ContentWidth + 8);
    auto *column = new QVBoxLayout(body);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(4);
    column->addWidget(buildButtons());
    column->addWidget(buildReadouts());
    auto *frames = new QGridLayout;
    frames->setContentsMargins(0, 0, 0, 0);
    for (QFrame *frame : { buildFillFrame(1, PickerSet::EllipseFill, PickerSet::EllipseFrame, 1),
             buildGradientFrame(), buildLineFrame(),
             buildFillFrame(4, PickerSet::BoxFill, PickerSet::BoxFrame, 2),
             buildFillFrame(5, PickerSet::SectorFill, PickerSet::SectorFrame, 3) })
        frames->addWidget(frame, 0, 0, Qt::AlignTop);
    column->addLayout(frames);
    column->addStretch(1);
    setWidget(body);

    connect(&m_model, &ToolPaletteModel::changed, this, &FrmTools::refresh);
    connect(&m_model.styles(), &PaletteStyles::samplesChanged, this, [this] {
        for (PickerWidget *picker : m_pickers)
            picker->update();
    });
    connect(&m_model.values(), &PaletteValues::text1Changed, this, [this] {
        if (m_text1->text() != m_model.values().Text1())
            m_text1->setText(m_model.values().Text1());
    });
    m_model.load();
    refresh();
}

QLineEdit *FrmTools::Text1() const
{
    return m_text1;
}

// Tool buttons, placed where the marker table puts them.
QWidget *FrmTools::buildButtons()
{
    auto *area = new QWidget;
    area->setFixedSize(ContentWidth, 8 * (ButtonHeight + ButtonGap));
    for (const ToolButton &tool : ToolButtons::all()) {
        auto *button = new ToolButtonWidget(area);
        button->setObjectName(tool.objectName());
        button->setToolTip(tool.toolTip);
        button->setIcon(QIcon(QStringLiteral(":/icons/tools/%1.svg").arg(tool.objectName())));
        button->setIconSize(QSize(16, 16));
        button->setGeometry(ToolButtons::column(tool) * (ButtonWidth + ButtonGap),
            ButtonGap / 2 + ToolButtons::row(tool) * (ButtonHeight + ButtonGap), ButtonWidth,
            ButtonHeight);
        connect(button, &ToolButtonWidget::focused, this,
            [this, number = tool.number] { m_model.chooser().CommandGotFocus(number); });
        // The click that brought the window back still chooses a tool that is
        // not the chosen one; the chosen one's button stays as it is.
        connect(button, &ToolButtonWidget::clickedWithReturnedFocus, this,
            [this, number = tool.number] {
                if (m_model.chooser().markedButton() != number)
                    m_model.chooser().CommandGotFocus(number);
            });
        m_buttons[size_t(tool.number - 1)] = button;
    }
    m_marker = new QFrame(area);
    m_marker->setObjectName(QStringLiteral("Picture1"));
    m_marker->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_marker->setStyleSheet(
        QStringLiteral("#Picture1 { border: 2px solid palette(highlight); border-radius: 4px;"
                       " background: rgba(48, 140, 198, 40); }"));
    return area;
}

// The line-width box and the angle read-out share a row.
QWidget *FrmTools::buildReadouts()
{
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    m_text1 = new NumberBox(QStringLiteral("Text1"), QStringLiteral("绘图线宽度"), row);
    m_text1->setText(m_model.values().Text1());
    m_text1->setFixedSize(40, 22);
    keepPlaceWhenHidden(m_text1);
    connectNumberBox(m_text1, &PaletteValues::setText1, &PaletteValues::Text1);
    m_picture2 = new QFrame(row);
    m_picture2->setObjectName(QStringLiteral("Picture2"));
    m_picture2->setToolTip(QStringLiteral("弧(扇形)边径角度"));
    m_picture2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_picture2->setFixedSize(ContentWidth - 44, 22);
    keepPlaceWhenHidden(m_picture2);
    m_shapeC = new QFrame(m_picture2);
    m_shapeC->setObjectName(QStringLiteral("ShapeC"));
    m_shapeC->setGeometry(5, 7, 8, 8);
    m_shapeC->setStyleSheet(QStringLiteral("#ShapeC { background: #d0402a; border-radius: 4px; }"));
    m_labelC = new QLabel(m_picture2);
    m_labelC->setObjectName(QStringLiteral("LabelC"));
    m_labelC->setGeometry(16, 1, m_picture2->width() - 18, 20);
    m_labelC->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    layout->addWidget(m_text1);
    layout->addWidget(m_picture2);
    layout->addStretch(1);
    return row;
}

QFrame *FrmTools::newFrame(int group, int height)
{
    auto *frame = new QFrame;
    frame->setObjectName(QStringLiteral("Frame%1").arg(group));
    frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    frame->setFixedSize(ContentWidth, height);
    m_frames[size_t(group - 1)] = frame;
    return frame;
}

PickerWidget *FrmTools::addPicker(StylePicker picker, QWidget *parent, QPoint at)
{
    auto *widget = new PickerWidget(m_model.styles(), picker, parent);
    widget->move(at);
    connect(widget, &PickerWidget::clicked, this,
        [this](StylePicker p) { m_model.styles().pickerClicked(p); });
    m_pickers.push_back(widget);
    return widget;
}

// Fill pickers down the left, frame pickers down the right; the label
// "无框线" lies over the last frame picker and chooses it.
QFrame *FrmTools::buildFillFrame(int group, PickerSet fill, PickerSet frame, int label)
{
    QFrame *box = newFrame(group, 8 * PickerPitch + 6);
    int row = 0;
    for (const StylePicker &picker : StylePickers::of(fill))
        addPicker(picker, box, QPoint(3, 3 + PickerPitch * row++));
    row = 0;
    PickerWidget *last = nullptr;
    for (const StylePicker &picker : StylePickers::of(frame))
        last = addPicker(picker, box, QPoint(PickerColumn2, 3 + PickerPitch * row++));
    auto *caption = new QLabel(QStringLiteral("无框线"), box);
    caption->setObjectName(QStringLiteral("Label%1").arg(label));
    caption->setToolTip(last->toolTip());
    caption->setAlignment(Qt::AlignCenter);
    caption->setGeometry(last->geometry().adjusted(
        PickerWidget::Border, PickerWidget::Border, -PickerWidget::Border, -PickerWidget::Border));
    caption->setCursor(Qt::PointingHandCursor);
    caption->installEventFilter(this);
    m_frameLabels[size_t(label - 1)] = caption;
    return box;
}

QFrame *FrmTools::buildLineFrame()
{
    QFrame *box = newFrame(3, 3 * PickerPitch + 6);
    int k = 0;
    for (const StylePicker &picker : StylePickers::of(PickerSet::Line)) {
        addPicker(picker, box, QPoint(k % 2 ? PickerColumn2 : 3, 3 + PickerPitch * (k / 2)));
        ++k;
    }
    return box;
}

bool FrmTools::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        for (size_t k = 0; k < m_frameLabels.size(); ++k) {
            if (watched == m_frameLabels[k]) {
                m_model.styles().labelClicked(int(k) + 1);
                return true;
            }
        }
    }
    return QDockWidget::eventFilter(watched, event);
}

// Every change of a box goes through the model's rule; the repaired text is
// written back. A box the rule refilled with its default has that default
// selected, so the next digit typed replaces it.
void FrmTools::connectNumberBox(NumberBox *box, void (PaletteValues::*apply)(const QString &),
    QString (PaletteValues::*read)() const)
{
    PaletteValues &values = m_model.values();
    connect(box, &QLineEdit::textChanged, this, [&values, box, apply, read](const QString &typed) {
        (values.*apply)(typed);
        const QString repaired = (values.*read)();
        if (repaired == typed)
            return;
        box->setText(repaired);
        if (DigitsOnly(typed).isEmpty())
            box->selectAll();
    });
}

void FrmTools::placeMarker()
{
    const int number = m_model.chooser().markedButton();
    m_marker->setVisible(number != 0);
    if (number == 0)
        return;
    const QRect button = m_buttons[size_t(number - 1)]->geometry();
    m_marker->setGeometry(button.adjusted(-2, -2, 2, 2));
    m_marker->raise();
}

void FrmTools::refresh()
{
    placeMarker();
    const ToolChooser &chooser = m_model.chooser();
    for (int group = 1; group <= ToolChooser::GroupCount; ++group)
        m_frames[size_t(group - 1)]->setVisible(chooser.visibleGroup() == group);
    m_text1->setVisible(chooser.text1Visible());
    m_picture2->setVisible(chooser.Picture2Visible());
    m_shapeC->setVisible(chooser.ShapeCVisible());
    m_labelC->setText(chooser.LabelC());
    refreshGradientOptions();
    for (PickerWidget *picker : m_pickers)
        picker->update();
}
