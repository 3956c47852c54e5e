#pragma once

#include "document/CanvasLayout.h"
#include "document/ClosePrompt.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class CanvasView;
class Document;
class ModuleMain;
class QPlainTextEdit;
class QScrollBar;
class SizeHandleWidget;

// The document window: a view of one Document. It places the canvas
// `Picture1` in a viewport with two scroll bars and three size handles,
// forwards the handles and keys to the document, and asks before a changed
// picture is closed.
class FrmEdit : public QWidget
{
    Q_OBJECT
public:
    // Saves the document for the close prompt's Yes; false when it was not
    // saved, which keeps the window open.
    using SaveHook = std::function<bool(Document &)>;

    FrmEdit(ModuleMain &module, Document &document, SaveHook save, QWidget *parent = nullptr);
    ~FrmEdit() override;

    Document *document() const;
    CanvasView *canvas() const { return m_canvas; }
    QScrollBar *HScroll1() const { return m_hScroll; }
    QScrollBar *VScroll1() const { return m_vScroll; }
    QPlainTextEdit *hword() const { return m_hword; }

    // Sizes the first canvas to what the window shows (the window's load).
    void load();
    // The close prompt: true when the window may close. Asks only once per
    // close; an approved window closes without asking again.
    bool queryUnload();
    void setTextColour(const QColor &colour);

    // The message box of the close prompt, parented to `parent`.
    static ClosePrompt::Answer askToSave(QWidget *parent, const QString &caption);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void popUpEditMenu(const QPointF &at);
    void editMenuClosed();
    void layoutScrollBars();
    void layoutCanvas();
    void scrollTo();
    void makeActive();
    double innerWidth() const;
    double innerHeight() const;
    double barExtent() const;

    ModuleMain &m_module;
    QPointer<Document> m_document;
    SaveHook m_save;
    QWidget *m_viewport = nullptr;
    CanvasView *m_canvas = nullptr;
    SizeHandleWidget *m_widthHandle = nullptr;
    SizeHandleWidget *m_heightHandle = nullptr;
    SizeHandleWidget *m_bothHandle = nullptr;
    QScrollBar *m_hScroll = nullptr;
    QScrollBar *m_vScroll = nullptr;
    QPlainTextEdit *m_hword = nullptr;
    bool m_closeApproved = false;
};
