#include "files/ui/PrinterDialogs.h"

#include "files/FileMessages.h"
#include "files/PrintedPage.h"
#include "files/ui/CommonDialogHost.h"

#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

PrinterDialogs::PrinterDialogs(QWidget *parent)
    : m_parent(parent)
    , m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{ }

PrinterDialogs::~PrinterDialogs() = default;

bool PrinterDialogs::print(const QImage &picture)
{
    QPrintDialog dialog(m_printer.get(), m_parent);
    dialog.setObjectName(QStringLiteral("dlgCommonDialog"));
    dialog.setWindowTitle(QStringLiteral("打印"));
    // One picture on one page: no page numbers to choose.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    m_printer->setColorMode(QPrinter::Color);
    m_printer->setFromTo(0, 0);
    QPainter painter;
    if (!painter.begin(m_printer.get())) {
        CommonDialogHost(m_parent).show(
            FileMessages::failed(QStringLiteral("无法打印：打印机没有准备好。\r")));
        return false;
    }
    const QRectF page = m_printer->pageLayout().paintRectPixels(m_printer->resolution());
    PrintedPage::paint(painter, picture, page.size(), m_printer->resolution());
    return painter.end();
}

void PrinterDialogs::pageSetup()
{
    QPageSetupDialog dialog(m_printer.get(), m_parent);
    dialog.setObjectName(QStringLiteral("dlgCommonDialog"));
    dialog.setWindowTitle(QStringLiteral("页面设置"));
    dialog.exec();
}
