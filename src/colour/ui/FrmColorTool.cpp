#include "colour/ui/FrmColorTool.h"

#include "colour/ColourToolModel.h"
#include "colour/ui/ColourWell.h"
#include "document/ui/DigitsOnlyFilter.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

QLineEdit *readout(const char *name, const QString &tooltip, int width, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setToolTip(tooltip);
    box->setFixedWidth(width);
    box->setAlignment(Qt::AlignCenter);
    return box;
}

}

FrmColorTool::FrmColorTool(ColourToolModel &model, QWidget *parent)
    : QDockWidget(parent)
    , m_model(model)
{
    setObjectName(QStringLiteral("FrmColorTool"));
    setWindowTitle(QStringLiteral("颜色"));
    setFeatures(QDockWidget::NoDockWidgetFeatures);
    setAllowedAreas(Qt::BottomDockWidgetArea);
    setTitleBarWidget(new QWidget(this));
    auto *body = new QWidget(this);
    auto *row = new QHBoxLayout(body);
    row->setContentsMargins(8, 6, 13, 6);
    row->addWidget(buildWells());
    row->addStretch(1);
    row->addWidget(buildReadouts());
    setWidget(body);
    connect(&model, &ColourToolModel::wellsChanged, this, &FrmColorTool::showWells);
    connect(&model, &ColourToolModel::readoutsChanged, this, &FrmColorTool::showReadouts);
    showWells();
    showReadouts();
}

QWidget *FrmColorTool::buildWells()
{
    auto *wells = new QWidget(this);
    auto *row = new QHBoxLayout(wells);
    row->setContentsMargins(0, 0, 0, 0);
    m_pen = new ColourWell(QStringLiteral("PictureForecolor"), QStringLiteral("前景色"), wells);
    m_fill = new ColourWell(QStringLiteral("PictureFillColor"), QStringLiteral("绘图色、填充色"),
        wells);
    m_background = new ColourWell(QStringLiteral("Picturebackcolor"), QStringLiteral("背景色"),
        wells);
    row->addWidget(m_pen);
    row->addWidget(m_fill);
    row->addWidget(m_background);
    return wells;
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
    for (QLineEdit *box : { m_textX, m_textY })
        keepDigitsOnly(box);
    // Read the boxes rather than the signal's argument: the digit filter may
    // already have rewritten them.
    connect(m_textX, &QLineEdit::textChanged, this, [this] { m_model.setTextX(m_textX->text()); });
    connect(m_textY, &QLineEdit::textChanged, this, [this] { m_model.setTextY(m_textY->text()); });
    return readouts;
}

void FrmColorTool::showWells()
{
    m_pen->setColour(m_model.PictureForecolor());
    m_fill->setColour(m_model.PictureFillColor());
    m_background->setColour(m_model.Picturebackcolor());
    m_pen->setTarget(m_model.paletteTarget() == 1);
    m_fill->setTarget(m_model.paletteTarget() == 2);
    m_background->setTarget(m_model.paletteTarget() == 3);
}

void FrmColorTool::showReadouts()
{
    m_text1->setText(m_model.Text1());
    m_textX->setText(m_model.TextX());
    m_textY->setText(m_model.TextY());
}
