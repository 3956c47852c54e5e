#include "tools/ui/FrmTools.h"

#include "document/ui/DigitsOnlyFilter.h"
#include "tools/ToolPaletteModel.h"

#include <QLineEdit>
#include <QVBoxLayout>

FrmTools::FrmTools(ToolPaletteModel &model, QWidget *parent)
    : QDockWidget(parent)
    , m_model(model)
{
    setObjectName(QStringLiteral("FrmTools"));
    setWindowTitle(QStringLiteral("工具"));
    setFeatures(QDockWidget::NoDockWidgetFeatures);
    setAllowedAreas(Qt::LeftDockWidgetArea);
    setTitleBarWidget(new QWidget(this));
    auto *body = new QWidget(this);
    body->setFixedWidth(90);
    auto *column = new QVBoxLayout(body);
    column->setContentsMargins(8, 8, 8, 8);
    column->addStretch(1);
    m_text1 = new QLineEdit(model.Text1(), body);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setToolTip(QStringLiteral("绘图线宽度"));
    m_text1->setAlignment(Qt::AlignCenter);
    keepDigitsOnly(m_text1);
    column->addWidget(m_text1);
    setWidget(body);
    // Read the box rather than the signal's argument: the digit filter may
    // already have rewritten it.
    connect(m_text1, &QLineEdit::textChanged, this,
        [this] { m_model.setText1(m_text1->text()); });
    connect(&m_model, &ToolPaletteModel::text1Changed, this, [this] {
        if (m_text1->text() != m_model.Text1())
            m_text1->setText(m_model.Text1());
    });
}
