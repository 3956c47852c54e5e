#include "effects/ui/FrmJianbian.h"

#include "app/ModuleMain.h"
#include "document/Document.h"
#include "document/FloatingSelection.h"
#include "tools/PaletteValues.h"
#include "tools/ToolPaletteModel.h"
#include "widgets/ColourDialog.h"
#include "widgets/DigitsOnlyFilter.h"
#include "widgets/GradientWell.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

const char *const KindCaptions[GradientFillSettings::KindCount]
    = { "单向圆形", "双向圆形", "单向内外方形", "双向内外方形", "单向倾角方形", "双向倾角方形" };

QLabel *label(const char *name, const char *caption, QWidget *parent)
{
    auto *l = new QLabel(QString::fromUtf8(caption), parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

QLineEdit *numberBox(const char *name, QWidget *parent)
{
    auto *box = new QLineEdit(QStringLiteral("0"), parent);
    box->setObjectName(QString::fromLatin1(name));
    filterNumberKeys(box, NumberKeys::accepts);
    return box;
}

QPushButton *button(const char *name, const char *caption, QWidget *parent)
{
    auto *b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

}

FrmJianbian::FrmJianbian(ModuleMain &module, ColourDialog &colourDialog, QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
    , m_module(module)
    , m_colourDialog(colourDialog)
    , m_run(module)
{
    setObjectName(QStringLiteral("FrmJianbian"));
    setWindowTitle(QStringLiteral(" 渐变颜色"));
    setModal(false);
    buildControls();
    showSettings();
    move(400, 200);
    resize(270, 160);
    connect(&m_run, &GradientFillRun::runningChanged, this, [this] { showSettings(); });
}

FrmJianbian::~FrmJianbian() = default;

void FrmJianbian::buildControls()
{
    auto *grid = new QGridLayout(this);
    for (int k = 0; k < GradientFillSettings::KindCount; ++k) {
        auto *option = new QRadioButton(QString::fromUtf8(KindCaptions[k]), this);
        option->setObjectName(QStringLiteral("hOption%1").arg(k + 1));
        connect(option, &QRadioButton::clicked, this, [this, k] { SetGradientKind(k + 1); });
        grid->addWidget(option, k / 2, k % 2);
        m_options[k] = option;
    }
    m_widthLabel = label("Label4", "框形宽度", this);
    m_width = numberBox("hwidthText", this);
    m_angleLabel = label("Label3", "渐变方向", this);
    m_angle = numberBox("hcornerText", this);
    m_angle->setToolTip(QStringLiteral("颜色渐变方向(角度：0 - 180)"));
    connect(m_width, &QLineEdit::textChanged, this, &FrmJianbian::hwidthText_Change);
    connect(m_angle, &QLineEdit::textChanged, this, &FrmJianbian::hcornerText_Change);
    m_startWell = new GradientWell(QStringLiteral("hstartPicture"), QString(), this);
    m_endWell = new GradientWell(QStringLiteral("hendPicture"), QString(), this);
    connect(
        m_startWell, &GradientWell::doubleClicked, this, [this] { ChooseGradientColour(true); });
    connect(m_endWell, &GradientWell::doubleClicked, this, [this] { ChooseGradientColour(false); });
    grid->addWidget(m_widthLabel, 0, 2);
    grid->addWidget(m_width, 0, 3);
    grid->addWidget(m_angleLabel, 1, 2);
    grid->addWidget(m_angle, 1, 3);
    grid->addWidget(label("Label1", "起始色", this), 2, 2);
    grid->addWidget(m_startWell, 2, 3);
    grid->addWidget(label("Label2", "终止色", this), 3, 2);
    grid->addWidget(m_endWell, 3, 3);

    m_runButton = button("CommandRun", "运行", this);
    auto *stop = button("CommandStop", "中断", this);
    auto *cancel = button("CommandCancel", "取消", this);
    connect(m_runButton, &QPushButton::clicked, this, &FrmJianbian::CommandRun_Click);
    connect(stop, &QPushButton::clicked, this, [this] { m_run.CommandStop(); });
    connect(cancel, &QPushButton::clicked, this, &FrmJianbian::CommandCancel_Click);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_runButton);
    buttons->addWidget(stop);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 4, 0, 1, 4);
}

void FrmJianbian::showSettings()
{
    m_options[m_settings.GradientKind() - 1]->setChecked(true);
    m_widthLabel->setEnabled(m_settings.widthBoxEnabled());
    m_width->setEnabled(m_settings.widthBoxEnabled());
    m_angleLabel->setEnabled(m_settings.angleBoxEnabled());
    m_angle->setEnabled(m_settings.angleBoxEnabled());
    m_startWell->setColour(m_settings.hstartPicture());
    m_endWell->setColour(m_settings.hendPicture());
}

void FrmJianbian::SetGradientKind(int kind)
{
    m_settings.SetGradientKind(kind);
    showSettings();
}

void FrmJianbian::hwidthText_Change()
{
    const QString repaired = m_settings.setWidthText(m_width->text(), m_run.selectionWidth());
    if (repaired != m_width->text())
        m_width->setText(repaired);
}

void FrmJianbian::hcornerText_Change()
{
    const QString repaired = m_settings.setAngleText(m_angle->text());
    if (repaired != m_angle->text())
        m_angle->setText(repaired);
}

void FrmJianbian::setTopmost(bool on)
{
    // Changing a window's flags hides it; it comes back where it was.
    const QRect at = geometry();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    setGeometry(at);
    show();
}

void FrmJianbian::ChooseGradientColour(bool start)
{
    // The colour dialog has to come up above this window.
    setTopmost(false);
    const auto chosen
        = m_colourDialog.ask(this, start ? QStringLiteral("起始色") : QStringLiteral("终止色"));
    if (chosen) {
        if (start)
            m_settings.chooseStartColour(*chosen);
        else
            m_settings.chooseEndColour(*chosen);
        showSettings();
    }
    setTopmost(true);
}

void FrmJianbian::CommandRun_Click()
{
    m_run.CommandRun(m_settings, m_module.tools().values().lineWidth().value_or(1));
}

void FrmJianbian::CommandCancel_Click()
{
    if (Document *document = m_module.ActiveEdit()) {
        document->selection().picture().setCurrentX(0);
        document->selection().picture().setCurrentY(0);
    }
    close();
}
