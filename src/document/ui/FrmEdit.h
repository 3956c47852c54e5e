#pragma once

#include "document/CanvasLayout.h"
#include "document/ClosePrompt.h"

#include <QPointer>
#include <QWidget>

class CanvasView;
class CloseHost;
class Document;
class ModuleMain;
class QScrollBar;
class QTimer;
class SizeHandleWidget;
class TextBoxView;

// The document window: a view of one Document. It places the canvas
// `Picture1` in a viewport with two scroll bars and three size handles,
// forwards the handles and keys to the document, and closes only when the
// close policy allows it (its questions are put by `closeHost`).
class FrmEdit : public QWidget
{
    Q_OBJECT
public:
    FrmEdit(
        ModuleMain &module, Document &document, CloseHost &closeHost, QWidget *parent = nullptr);
    ~FrmEdit() override;

    Document *document() const;
    CanvasView *canvas() const { return m_canvas; }
    QScrollBar *HScroll1() const { return m_hScroll; }
    QScrollBar *VScroll1() const { return m_vScroll; }
    TextBoxView *hword() const { return m_hword; }
    // Blinks the selection outlines while there are outlines to blink.
    QTimer *Timer1() const { return m_timer1; }
    // Blinks the arc and sector radius guide while the document asks for it.
    QTimer *Timer2() const { return m_timer2; }

    // Sizes the first canvas to what the window shows (the window's load).
    void load();

    // The message box of the close prompt, parented to `parent`.
    static ClosePrompt::Answer askToSave(QWidget *parent, const QString &caption);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void popUpEditMenu(const QPointF &at);
    void followSelection();
    void showNotice(const QString &text);
    void editMenuClosed();
    void layoutScrollBars();
    void layoutCanvas();
    void scrollTo();
    double innerWidth() const;
    double innerHeight() const;
    double barExtent() const;

    ModuleMain &m_module;
    QPointer<Document> m_document;
    CloseHost &m_closeHost;
    QWidget *m_viewport = nullptr;
    CanvasView *m_canvas = nullptr;
    SizeHandleWidget *m_widthHandle = nullptr;
    SizeHandleWidget *m_heightHandle = nullptr;
    SizeHandleWidget *m_bothHandle = nullptr;
    QScrollBar *m_hScroll = nullptr;
    QScrollBar *m_vScroll = nullptr;
    TextBoxView *m_hword = nullptr;
    QTimer *m_timer1 = nullptr;
    QTimer *m_timer2 = nullptr;
};
