#pragma once

#include <QImage>

#include <memory>

class QPrinter;
class QWidget;

// Print and page setup: Qt's print and page-setup dialogs on one printer, so
// the paper, orientation and margins chosen in page setup are used by the
// next print.
class PrinterDialogs
{
public:
    explicit PrinterDialogs(QWidget *parent);
    ~PrinterDialogs();

    // Asks for the printer, then prints `picture` centred on one page in
    // colour. False when the dialog was cancelled or printing failed (which
    // the user is told).
    bool print(const QImage &picture);
    void pageSetup();

    // The printer both dialogs set up (tests point it at a PDF file).
    QPrinter &printer() { return *m_printer; }

private:
    QWidget *m_parent;
    std::unique_ptr<QPrinter> m_printer;
};
