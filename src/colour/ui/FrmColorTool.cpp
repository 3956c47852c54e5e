#include "colour/ui/FrmColorTool.h"

#include "app/ModuleMain.h"
#include "colour/ColourPalette.h"
#include "colour/SizeBoxRules.h"
#include "colour/ui/ColourWell.h"
#include "colour/ui/TargetMark.h"
#include "document/ColourToolModel.h"
#include "widgets/DigitsOnlyFilter.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

// The wells are as tall as the palette's two rows of cells.
constexpr int CellSide = 16;
constexpr int CellGap = 2;
constexpr int WellSide = 2 * CellSide + CellGap;

QLineEdit *readout(const char *name, const QString &tooltip, int width, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setToolTip(tooltip);
    box->setFixedWidth(width);
    box->setAlignment(Qt::AlignCenter);
    return box;
}

void setTextIfDifferent(QLineEdit *box, const QString &text)
{
    // Rewriting the same text would move the cursor of a box being typed into.
    if (box->text() != text)
        box->setText(text);
}

}

FrmColorTool::FrmColorTool(ModuleMain &module, QWidget *parent)
    : QDockWidget(parent)
    , m_module(module)
    , m_model(module.colourTool())
    , m_commands(module.colourCommands())
{
    setObjectName(QStringLiteral("FrmColorTool"));
    setWindowTitle(QStringLiteral("颜色"));
    setFeatures(QDockWidget::NoDockWidgetFeatures);
    setAllowedAreas(Qt::BottomDockWidgetArea);
    setTitleBarWidget(new QWidget(this));
    auto *body = new QWidget(this);
    auto *row = new QHBoxLayout(body);
    row->setContentsMargins(8, 5, 13, 5);
    row->setSpacing(0);
    row->addWidget(buildWells());
    row->addSpacing(12);
    row->addWidget(buildPalette());
    row->addStretch(1);
    row->addWidget(buildReadouts());
    setWidget(body);
    connect(&m_model, &ColourToolModel::wellsChanged, this, &FrmColorTool::showWells);
    connect(&m_model, &ColourToolModel::readoutsChanged, this, &FrmColorTool::showReadouts);
    showWells();
    showReadouts();
}

QWidget *FrmColorTool::buildWells()
{
    auto *wells = new QWidget(this);
    auto *row = new QHBoxLayout(wells);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    row->addWidget(
        addWell(ColourCommands::Pen, "PictureForecolor", QStringLiteral("前景色"), wells));
    row->addWidget(
        addWell(ColourCommands::Fill, "PictureFillColor", QStringLiteral("绘图色、填充色"), wells));
    row->addWidget(
        addWell(ColourCommands::Background, "Picturebackcolor", QStringLiteral("背景色"), wells));
    return wells;
}

ColourWell *FrmColorTool::addWell(int n, const char *name, const QString &tooltip, QWidget *parent)
{
    auto *well
        = new ColourWell(QString::fromLatin1(name), tooltip, QSize(WellSide, WellSide), parent);
    m_wells[size_t(n - 1)] = well;
    // Shape 2n-1 and 2n: a dark outline with a light one just inside it.
    const int first = 2 * n - 1;
    m_marks[size_t(first - 1)]
        = new TargetMark(QStringLiteral("Shape%1").arg(first), TargetMark::Tone::Dark, 3, well);
    m_marks[size_t(first)] = new TargetMark(
        QStringLiteral("Shape%1").arg(first + 1), TargetMark::Tone::Light, 4, well);
    connect(well, &ColourWell::clicked, this, [this, n] { m_commands.clickWell(n); });
    connect(well, &ColourWell::doubleClicked, this, [this, n] { ChooseColour(n); });
    return well;
}

QWidget *FrmColorTool::buildPalette()
{
    auto *palette = new QWidget(this);
    palette->setObjectName(QStringLiteral("PictureColor"));
    auto *grid = new QGridLayout(palette);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(CellGap);
    for (int index = 1; index <= ColourPalette::Count; ++index) {
        auto *cell = new ColourWell(QStringLiteral("PictureColor%1").arg(index), QString(),
            QSize(CellSide, CellSide), palette);
        cell->setColour(ColourPalette::PictureColor(index));
        grid->addWidget(cell, ColourPalette::row(index), ColourPalette::column(index) - 1);
        connect(cell, &ColourWell::clicked, this,
            [this, index] { m_commands.ApplyPaletteColour(index); });
    }
    return palette;
}

QWidget *FrmColorTool::buildReadouts()
{
    auto *readouts = new QWidget(this);
    auto *row = new QHBoxLayout(readouts);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    m_text1 = readout("Text1", QStringLiteral("编辑坐标(X Y)"), 90, readouts);
    m_text1->setReadOnly(true);
    const QString sizeTip = QStringLiteral("图片尺寸(宽х高)");
    m_textX = readout("TextX", sizeTip, 70, readouts);
    m_textY = readout("TextY", sizeTip, 70, readouts);
    auto *times = new QLabel(QStringLiteral("х"), readouts);
    times->setObjectName(QStringLiteral("Label3"));
    row->addWidget(m_text1);
    row->addSpacing(13);
    row->addWidget(m_textX);
    row->addWidget(times);
    row->addWidget(m_textY);
    for (QLineEdit *box : { m_textX, m_textY }) {
        keepDigitsOnly(box);
        filterNumberKeys(box, [this](const TypedKey &key) {
            return SizeBoxRules::accepts(key, m_module.ActiveEdit() != nullptr);
        });
        box->installEventFilter(this);
    }
    // Read the boxes rather than the signal's argument: the digit filter may
    // already have rewritten them.
    connect(m_textX, &QLineEdit::textChanged, this, [this] { m_model.setTextX(m_textX->text()); });
    connect(m_textY, &QLineEdit::textChanged, this, [this] { m_model.setTextY(m_textY->text()); });
    // Enter takes the size at once, as leaving the box does.
    connect(m_textX, &QLineEdit::returnPressed, this,
        [this] { m_commands.ApplyCanvasSize(ColourCommands::SizeBox::TextX); });
    connect(m_textY, &QLineEdit::returnPressed, this,
        [this] { m_commands.ApplyCanvasSize(ColourCommands::SizeBox::TextY); });
    return readouts;
}

bool FrmColorTool::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_textX || watched == m_textY)
        return filterSizeBox(static_cast<QLineEdit *>(watched), event);
    return QDockWidget::eventFilter(watched, event);
}

bool FrmColorTool::filterSizeBox(QLineEdit *box, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        const auto which
            = box == m_textX ? ColourCommands::SizeBox::TextX : ColourCommands::SizeBox::TextY;
        m_commands.leaveSizeBox(which, static_cast<QFocusEvent *>(event)->reason());
    }
    return false;
}

void FrmColorTool::ChooseColour(int n)
{
    if (!m_commands.canChooseColour())
        return;
    if (const auto chosen = m_dialog.ask(window(), ColourCommands::colourDialogTitle(n)))
        m_commands.ChooseColour(n, *chosen);
}

void FrmColorTool::chooseColourAndTarget(int n)
{
    ChooseColour(n);
    m_commands.SelectColourTarget(n);
}

void FrmColorTool::showWells()
{
    m_wells[0]->setColour(m_model.PictureForecolor());
    m_wells[1]->setColour(m_model.PictureFillColor());
    m_wells[2]->setColour(m_model.Picturebackcolor());
    for (size_t i = 0; i < m_marks.size(); ++i)
        m_marks[i]->setVisible(m_model.ShapeVisible(int(i + 1)));
}

void FrmColorTool::showReadouts()
{
    setTextIfDifferent(m_text1, m_model.Text1());
    setTextIfDifferent(m_textX, m_model.TextX());
    setTextIfDifferent(m_textY, m_model.TextY());
}
