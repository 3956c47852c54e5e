#include "effects/ui/FrmFilter.h"

#include "effects/EffectCommands.h"
#include "effects/FilterEntries.h"
#include "effects/FilterKernel.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

FrmFilter::FrmFilter(QWidget *mainWindow, EffectCommands &effects)
    : QDialog(mainWindow)
    , m_effects(effects)
    , m_kernel(effects.filterKernel())
{
    setObjectName(QStringLiteral("FrmFilter"));
    setWindowTitle(QStringLiteral(" 自定义柔化与锐化"));
    // A dialog owned by the main window stays above it; it blocks nothing.
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);

    auto *size = new QHBoxLayout;
    auto *sizeLabel = new QLabel(QStringLiteral("尺寸："), this);
    sizeLabel->setObjectName(QStringLiteral("Label3"));
    m_option1 = new QRadioButton(QStringLiteral("3 х 3"), this);
    m_option1->setObjectName(QStringLiteral("Option1"));
    m_option2 = new QRadioButton(QStringLiteral("5 х 5"), this);
    m_option2->setObjectName(QStringLiteral("Option2"));
    size->addWidget(sizeLabel);
    size->addWidget(m_option1);
    size->addWidget(m_option2);
    size->addStretch();

    auto *grid = new QGridLayout;
    buildCells(grid);

    auto *numbers = new QHBoxLayout;
    auto *divisorLabel = new QLabel(QStringLiteral("除数："), this);
    divisorLabel->setObjectName(QStringLiteral("Label1"));
    auto *addendLabel = new QLabel(QStringLiteral("加数："), this);
    addendLabel->setObjectName(QStringLiteral("Label2"));
    numbers->addWidget(divisorLabel);
    numbers->addWidget(addEntry(FilterEntries::Divisor, QStringLiteral("hdivideText")));
    numbers->addWidget(addendLabel);
    numbers->addWidget(addEntry(FilterEntries::Addend, QStringLiteral("hbiasText")));

    auto *buttons = new QHBoxLayout;
    auto button = [this](const char *name, const QString &caption) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    m_up = button("Command3", QStringLiteral("▲"));
    m_down = button("Command4", QStringLiteral("▼"));
    // The steps leave the focus in the box they change, so they can be clicked again.
    m_up->setFocusPolicy(Qt::NoFocus);
    m_down->setFocusPolicy(Qt::NoFocus);
    QPushButton *run = button("CommandRun", QStringLiteral("运行"));
    QPushButton *cancel = button("CommandCancel", QStringLiteral("取消"));
    buttons->addWidget(m_up);
    buttons->addWidget(m_down);
    buttons->addStretch();
    buttons->addWidget(run);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(size);
    layout->addLayout(grid);
    layout->addLayout(numbers);
    layout->addLayout(buttons);

    for (QWidget *w : std::initializer_list<QWidget *> { m_option1, m_option2, run, cancel })
        w->installEventFilter(this);
    connect(m_option1, &QRadioButton::clicked, this, [this] { SetKernelSize(1); });
    connect(m_option2, &QRadioButton::clicked, this, [this] { SetKernelSize(2); });
    connect(m_up, &QPushButton::clicked, this, [this] { step(1); });
    connect(m_down, &QPushButton::clicked, this, [this] { step(-1); });
    connect(run, &QPushButton::clicked, this, [this] { m_effects.runFilter(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);

    showKernel();
    setStepButtonsEnabled(false);
    move(400, 200);
    focusEntry(m_kernel.KernelRadius() == 1 ? 7 : 1);
}

void FrmFilter::buildCells(QGridLayout *grid)
{
    for (int cell = 1; cell <= FilterKernel::Cells; ++cell) {
        QLineEdit *box = addEntry(cell, QStringLiteral("Text1(%1)").arg(cell));
        box->setFixedWidth(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 5 + 8);
        grid->addWidget(box, FilterKernel::rowOf(cell) - 1, FilterKernel::columnOf(cell) - 1);
    }
}

QLineEdit *FrmFilter::addEntry(int entry, const QString &name)
{
    auto *box = new QLineEdit(this);
    box->setObjectName(name);
    box->installEventFilter(this);
    m_entries[size_t(entry)] = box;
    return box;
}

void FrmFilter::showKernel()
{
    (m_kernel.KernelRadius() == 1 ? m_option1 : m_option2)->setChecked(true);
    for (int cell = 1; cell <= FilterKernel::Cells; ++cell) {
        m_entries[size_t(cell)]->setText(m_kernel.cellText(cell));
        m_entries[size_t(cell)]->setEnabled(
            m_kernel.KernelRadius() == 2 || !FilterKernel::isOuterCell(cell));
    }
    m_entries[FilterEntries::Divisor]->setText(m_kernel.divisorText());
    m_entries[FilterEntries::Addend]->setText(m_kernel.addendText());
    // Connected after filling, so showing the settings changes none of them.
    for (int entry = 1; entry <= FilterEntries::Addend; ++entry)
        connect(m_entries[size_t(entry)], &QLineEdit::textChanged, this,
            [this, entry] { entryChanged(entry); });
}

void FrmFilter::SetKernelSize(int radius)
{
    m_kernel.SetKernelSize(radius);
    for (int cell = 1; cell <= FilterKernel::Cells; ++cell) {
        QLineEdit *box = m_entries[size_t(cell)];
        if (box->text() != m_kernel.cellText(cell))
            box->setText(m_kernel.cellText(cell));
        box->setEnabled(radius == 2 || !FilterKernel::isOuterCell(cell));
    }
    focusEntry(radius == 1 ? 7 : 1);
}

void FrmFilter::entryChanged(int entry)
{
    QLineEdit *box = m_entries[size_t(entry)];
    const QString text = box->text();
    QString kept;
    if (FilterEntries::isCell(entry))
        kept = m_kernel.cellChanged(entry, text);
    else if (entry == FilterEntries::Divisor)
        kept = m_kernel.divisorChanged(text);
    else
        kept = m_kernel.addendChanged(text);
    if (kept != text)
        box->setText(kept);
}

void FrmFilter::step(int delta)
{
    if (m_current == 0)
        return;
    QLineEdit *box = m_entries[size_t(m_current)];
    box->setText(FilterKernel::stepped(box->text(), delta));
}

void FrmFilter::focusEntry(int entry)
{
    m_entries[size_t(entry)]->setFocus(Qt::OtherFocusReason);
    m_current = entry;
    setStepButtonsEnabled(true);
}

void FrmFilter::setStepButtonsEnabled(bool on)
{
    m_up->setEnabled(on);
    m_down->setEnabled(on);
}

int FrmFilter::entryOf(QObject *box) const
{
    for (int entry = 1; entry <= FilterEntries::Addend; ++entry) {
        if (m_entries[size_t(entry)] == box)
            return entry;
    }
    return 0;
}

bool FrmFilter::eventFilter(QObject *watched, QEvent *event)
{
    const int entry = entryOf(watched);
    if (event->type() == QEvent::FocusIn) {
        // Entering a box makes it the one ▲ and ▼ change; the size options
        // and the Run and Cancel buttons turn them off.
        if (entry) {
            m_current = entry;
            setStepButtonsEnabled(true);
        } else {
            setStepButtonsEnabled(false);
        }
    }
    if (entry && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const TypedKey typed { key->key(), key->text(), key->modifiers() };
        if (FilterEntries::isEnter(typed)) {
            focusEntry(FilterEntries::nextOnEnter(entry, m_kernel.KernelRadius()));
            return true;
        }
        return !FilterEntries::accepts(entry, typed);
    }
    return QDialog::eventFilter(watched, event);
}
