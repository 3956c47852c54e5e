#include "document/ui/FrmEdit.h"

#include "app/ClosePolicy.h"
#include "app/ModuleMain.h"
#include "base/Twips.h"
#include "document/CanvasInput.h"
#include "document/Document.h"
#include "document/FloatingSelection.h"
#include "document/RadiusGuide.h"
#include "document/ui/CanvasView.h"
#include "document/ui/SizeHandleWidget.h"
#include "document/ui/TextBoxView.h"
#include "raster/PictureSurface.h"
#include "widgets/MessageButtons.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>

#include <memory>

namespace {

// A child's geometry: at least a pixel each way, so it never vanishes.
QRect toPixels(const QRectF &twips)
{
    const QRect pixels = Twips::toPixelRect(twips);
    return QRect(
        pixels.topLeft(), QSize(std::max(1, pixels.width()), std::max(1, pixels.height())));
}

}

FrmEdit::FrmEdit(ModuleMain &module, Document &document, CloseHost &closeHost, QWidget *parent)
    : QWidget(parent)
    , m_module(module)
    , m_document(&document)
    , m_closeHost(closeHost)
    , m_viewport(new QWidget(this))
    , m_canvas(new CanvasView(document, m_viewport))
    , m_widthHandle(new SizeHandleWidget(CanvasLayout::Handle::Width, m_viewport))
    , m_heightHandle(new SizeHandleWidget(CanvasLayout::Handle::Height, m_viewport))
    , m_bothHandle(new SizeHandleWidget(CanvasLayout::Handle::Both, m_viewport))
    , m_hScroll(new QScrollBar(Qt::Horizontal, this))
    , m_vScroll(new QScrollBar(Qt::Vertical, this))
    , m_hword(new TextBoxView(document.hword(), m_viewport))
    , m_timer1(new QTimer(this))
    , m_timer2(new QTimer(this))
{
    setObjectName(QStringLiteral("FrmEdit"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::StrongFocus);
    setWindowTitle(document.Caption());
    m_viewport->setObjectName(QStringLiteral("viewport"));
    m_hScroll->setObjectName(QStringLiteral("HScroll1"));
    m_vScroll->setObjectName(QStringLiteral("VScroll1"));
    m_hword->setObjectName(QStringLiteral("hword"));
    for (SizeHandleWidget *handle : { m_widthHandle, m_heightHandle, m_bothHandle }) {
        connect(handle, &SizeHandleWidget::dragged, this,
            [this](CanvasLayout::Handle kind, double x, double y) {
                if (m_document)
                    m_document->dragHandle(kind, x, y);
            });
    }
    connect(m_hScroll, &QScrollBar::valueChanged, this, &FrmEdit::scrollTo);
    connect(m_vScroll, &QScrollBar::valueChanged, this, &FrmEdit::scrollTo);
    connect(&document, &Document::captionChanged, this,
        [this] { setWindowTitle(m_document->Caption()); });
    connect(&document, &Document::canvasMoved, this, &FrmEdit::layoutCanvas);
    connect(&document, &Document::canvasResized, this, [this] {
        layoutCanvas();
        layoutScrollBars();
    });
    connect(&document, &Document::editMenuRequested, this, &FrmEdit::popUpEditMenu);
    connect(&document, &Document::userNotice, this, &FrmEdit::showNotice);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(100);
    connect(m_timer1, &QTimer::timeout, this, [this] {
        if (m_document)
            m_document->selection().blink();
    });
    connect(&document.selection(), &FloatingSelection::changed, this, &FrmEdit::followSelection);
    m_timer2->setObjectName(QStringLiteral("Timer2"));
    m_timer2->setInterval(100);
    connect(m_timer2, &QTimer::timeout, this, [this] {
        if (m_document)
            m_document->radiusGuide().blink();
    });
    connect(&document.radiusGuide(), &RadiusGuide::blinkingChanged, m_timer2,
        [this](bool on) { on ? m_timer2->start() : m_timer2->stop(); });
    resize(600, 400);
    layoutCanvas();
}

void FrmEdit::popUpEditMenu(const QPointF &at)
{
    // The main window's Edit menu, at the canvas point that was pressed.
    auto *menu = window()->findChild<QMenu *>(QStringLiteral("mnuedit"));
    if (!menu)
        return;
    const QPoint local(Twips::toPixels(at.x()) + CanvasView::BorderPixels,
        Twips::toPixels(at.y()) + CanvasView::BorderPixels);
    // The open menu takes the pointer, so the canvas hears how the menu ended
    // once it has closed: after the chosen item has run and the event that
    // closed it has set the buttons held.
    auto closing = std::make_shared<QMetaObject::Connection>();
    *closing = connect(menu, &QMenu::aboutToHide, this, [this, closing] {
        disconnect(*closing);
        QMetaObject::invokeMethod(this, &FrmEdit::editMenuClosed, Qt::QueuedConnection);
    });
    menu->popup(m_canvas->mapToGlobal(local));
}

void FrmEdit::followSelection()
{
    // The timer runs exactly while outlines are shown.
    const bool outlined = m_document && m_document->selection().outline().has_value();
    if (outlined && !m_timer1->isActive())
        m_timer1->start();
    else if (!outlined)
        m_timer1->stop();
}

void FrmEdit::showNotice(const QString &text)
{
    QMessageBox box(QMessageBox::Warning, windowTitle(), text, QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("NoticeBox"));
    useChineseButtonTexts(box);
    box.exec();
}

void FrmEdit::editMenuClosed()
{
    if (m_document && m_document->input())
        m_document->input()->editMenuClosed(QGuiApplication::mouseButtons());
}

FrmEdit::~FrmEdit() = default;

Document *FrmEdit::document() const
{
    return m_document;
}

double FrmEdit::innerWidth() const
{
    return Twips::fromPixels(width());
}

double FrmEdit::innerHeight() const
{
    return Twips::fromPixels(height());
}

double FrmEdit::barExtent() const
{
    return Twips::fromPixels(style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this));
}

void FrmEdit::load()
{
    if (!m_document)
        return;
    const QSizeF size
        = CanvasLayout::initialCanvas(QSizeF(innerWidth(), innerHeight()), barExtent());
    m_document->moveCanvas(0, 0);
    m_document->resizeCanvas(size.width(), size.height());
    m_document->resetFigureBox();
    layoutScrollBars();
}

void FrmEdit::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutScrollBars();
}

void FrmEdit::layoutScrollBars()
{
    if (!m_document)
        return;
    const double bar = barExtent();
    const QRectF canvas = m_document->canvasRect();
    const double vLength = CanvasLayout::scrollBarLength(innerHeight(), bar);
    const double hLength = CanvasLayout::scrollBarLength(innerWidth(), bar);
    m_vScroll->setGeometry(toPixels(QRectF(innerWidth() - bar, 0, bar, vLength)));
    m_hScroll->setGeometry(toPixels(QRectF(0, innerHeight() - bar, hLength, bar)));
    m_viewport->setGeometry(toPixels(QRectF(0, 0, innerWidth() - bar, innerHeight() - bar)));
    m_vScroll->setMaximum(CanvasLayout::scrollMaximum(
        canvas.top(), canvas.height(), innerHeight(), bar, CanvasLayout::HandleStrip));
    m_hScroll->setMaximum(CanvasLayout::scrollMaximum(
        canvas.left(), canvas.width(), innerWidth(), bar, CanvasLayout::HandleStrip));
    // A page is what the viewport shows, in 20-twip steps.
    m_vScroll->setPageStep(std::max(1, int((innerHeight() - bar) / CanvasLayout::ScrollStep)));
    m_hScroll->setPageStep(std::max(1, int((innerWidth() - bar) / CanvasLayout::ScrollStep)));
}

void FrmEdit::layoutCanvas()
{
    if (!m_document)
        return;
    const QRectF box = m_document->canvasRect();
    const QSize drawing = m_document->Picture1().Image().size();
    m_canvas->setGeometry(QRect(QPoint(Twips::toPixels(box.left()), Twips::toPixels(box.top())),
        drawing + QSize(2, 2) * CanvasView::BorderPixels));
    const CanvasLayout::Handles handles = CanvasLayout::handlesFor(box);
    m_widthHandle->setGeometry(toPixels(handles.width));
    m_heightHandle->setGeometry(toPixels(handles.height));
    m_bothHandle->setGeometry(toPixels(handles.both));
    m_hword->setCanvasOrigin(m_canvas->pos() + QPoint(1, 1) * CanvasView::BorderPixels);
}

void FrmEdit::scrollTo()
{
    if (m_document)
        m_document->moveCanvas(CanvasLayout::offsetFor(m_hScroll->value()),
            CanvasLayout::offsetFor(m_vScroll->value()));
}

ClosePrompt::Answer FrmEdit::askToSave(QWidget *parent, const QString &caption)
{
    QMessageBox box(QMessageBox::NoIcon, caption, ClosePrompt::text(caption),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box.setObjectName(QStringLiteral("ClosePrompt"));
    useChineseButtonTexts(box);
    box.setDefaultButton(QMessageBox::Yes);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return ClosePrompt::Answer::Yes;
    case QMessageBox::No:
        return ClosePrompt::Answer::No;
    default:
        return ClosePrompt::Answer::Cancel;
    }
}

void FrmEdit::closeEvent(QCloseEvent *event)
{
    if (m_document && !ClosePolicy::queryUnload(m_module, *m_document, m_closeHost)) {
        event->ignore();
        return;
    }
    event->accept();
    if (Document *closing = m_document)
        m_module.unload(closing);
}

void FrmEdit::keyPressEvent(QKeyEvent *event)
{
    if (!m_document || !m_document->hBoolSelect) {
        QWidget::keyPressEvent(event);
        return;
    }
    const double step = Twips::PerPixel;
    switch (event->key()) {
    case Qt::Key_Left:
        m_document->nudgeSelection(-step, 0);
        break;
    case Qt::Key_Up:
        m_document->nudgeSelection(0, -step);
        break;
    case Qt::Key_Right:
        m_document->nudgeSelection(step, 0);
        break;
    case Qt::Key_Down:
        m_document->nudgeSelection(0, step);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_module.commitSelection(*m_document);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}
