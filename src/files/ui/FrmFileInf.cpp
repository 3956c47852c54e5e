#include "files/ui/FrmFileInf.h"

#include "base/Twips.h"
#include "files/DosAttributes.h"
#include "files/PropertiesLayout.h"
#include "files/ui/CommonDialogHost.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

// The dialog's width and the columns its controls stand in, in twips.
constexpr int DialogWidth = 5400;
constexpr int LabelLeft = 240;
constexpr int FieldLeft = 1200;
constexpr int FieldWidth = 3960;

int px(int twips)
{
    return Twips::toPixels(twips);
}

template <typename W>
W *place(W *widget, const char *name, int left, int top, int width, int height)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(px(left), px(top), px(width), px(height));
    return widget;
}

}

void FrmFileInf::showFor(QWidget *parent, const QString &caption)
{
    const FilePropertiesResult result = FileProperties::load(caption);
    if (!result.facts) {
        CommonDialogHost(parent).show(result.message);
        return;
    }
    FrmFileInf dialog(*result.facts, parent);
    dialog.exec();
}

FrmFileInf::FrmFileInf(const FileFacts &facts, QWidget *parent)
    : QDialog(parent)
    , m_facts(facts)
{
    setObjectName(QStringLiteral("FrmFileInf"));
    setWindowTitle(QStringLiteral("文件属性"));
    buildControls();
    Form_Resize();
}

void FrmFileInf::buildControls()
{
    const auto text = [this](const char *name, const QString &value, int top) {
        auto *box = place(new QPlainTextEdit(value, this), name, FieldLeft, top, FieldWidth, 380);
        box->setReadOnly(true);
        box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        box->setWordWrapMode(QTextOption::WrapAnywhere);
        box->setFrameShape(QFrame::NoFrame);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        return box;
    };
    const auto label = [this](const char *name, const QString &value, int left, int top) {
        return place(
            new QLabel(value, this), name, left, top, left == LabelLeft ? 960 : FieldWidth, 300);
    };
    const auto line = [this](const char *name, int top) {
        auto *l = place(new QFrame(this), name, 120, top, DialogWidth - 240, 15);
        l->setFrameShape(QFrame::HLine);
        l->setFrameShadow(QFrame::Sunken);
    };
    label("Label1", QStringLiteral("名称："), LabelLeft, 260);
    filenametext = text("filenametext", m_facts.name, 240);
    line("Line3", 660);
    line("Line4", 675);
    label("Label2", QStringLiteral("位置："), LabelLeft, 890);
    filepathtext = text("filepathtext", m_facts.folder, 870);
    label("Label3", QStringLiteral("大小："), LabelLeft, 1275);
    label("Labelfilesize", m_facts.size, FieldLeft, 1270);
    label("Label4", QStringLiteral("类型："), LabelLeft, 1650);
    label("Labelfiletype", m_facts.type, FieldLeft, 1645);
    line("Line1", 2040);
    line("Line2", 2055);
    label("Label5", QStringLiteral("修改时间："), LabelLeft, 2280);
    label("Labelfiletime", m_facts.modified, FieldLeft, 2275);
    label("Label6", QStringLiteral("属性："), LabelLeft, 2700);
    const auto check = [this](const char *name, const char *caption, int left, int top, int bit) {
        auto *box
            = place(new QCheckBox(QString::fromUtf8(caption), this), name, left, top, 1500, 300);
        box->setChecked(m_facts.attributes.word & bit);
        // Without extended attributes only read-only can be kept.
        box->setEnabled(bit == DosAttributes::ReadOnly || m_facts.attributes.extended);
        return box;
    };
    Check1 = check("Check1", "只读", FieldLeft, 2680, DosAttributes::ReadOnly);
    Check2 = check("Check2", "隐藏", FieldLeft + 1800, 2680, DosAttributes::Hidden);
    Check3 = check("Check3", "系统", FieldLeft, 2980, DosAttributes::System);
    Check4 = check("Check4", "存档", FieldLeft + 1800, 2980, DosAttributes::Archive);
    auto *ok
        = place(new QPushButton(QStringLiteral("确定"), this), "Command1", 1500, 3510, 1200, 400);
    auto *cancel
        = place(new QPushButton(QStringLiteral("取消"), this), "Command2", 3000, 3510, 1200, 400);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &FrmFileInf::Command1_Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void FrmFileInf::Form_Resize()
{
    const PropertiesLayout layout(int(m_facts.name.size()), int(m_facts.folder.size()));
    filenametext->resize(filenametext->width(), px(layout.nameBoxHeight()));
    filepathtext->resize(filepathtext->width(), px(layout.folderBoxHeight()));
    // Each control keeps its base top from construction; move it once by its band.
    static const char *const belowName[] = { "Line3", "Line4", "filepathtext", "Label2" };
    static const char *const belowFolder[]
        = { "Line1", "Line2", "Labelfilesize", "Label3", "Labelfiletype", "Label4", "Labelfiletime",
              "Label5", "Label6", "Check1", "Check2", "Check3", "Check4", "Command1", "Command2" };
    for (const char *name : belowName) {
        if (auto *w = findChild<QWidget *>(QString::fromLatin1(name)))
            w->move(w->x(), w->y() + px(layout.belowName()));
    }
    for (const char *name : belowFolder) {
        if (auto *w = findChild<QWidget *>(QString::fromLatin1(name)))
            w->move(w->x(), w->y() + px(layout.belowFolder()));
    }
    setFixedSize(px(DialogWidth), px(layout.dialogHeight()));
}

int FrmFileInf::attributeWord() const
{
    return DosAttributes::word(
        Check1->isChecked(), Check2->isChecked(), Check3->isChecked(), Check4->isChecked());
}

void FrmFileInf::Command1_Click()
{
    // The outcome is not reported, as the system call's result never was.
    DosAttributes::write(filenametext->toPlainText(), attributeWord());
    accept();
}
