#pragma once

#include "effects/GradientFillSettings.h"
#include "raster/GradientPlan.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QTimer>

#include <chrono>
#include <optional>

class Document;
class Workspace;

// A run of the gradient fill dialog over the active document's floating
// selection. The gradient is painted in chunks of whole steps from the event
// loop, each chunk taking at most about one frame, so the window stays
// responsive and "中断" can stop the run between two chunks; the picture is
// then exactly what drawing that many steps one by one gives.
//
// A run stays with the document and selection it started on. Closing that
// document, dropping or replacing its selection, or giving the selection
// another size ends the run at once; nothing is painted afterwards.
class GradientFillRun : public QObject
{
    Q_OBJECT
public:
    enum class Outcome { Completed, Stopped, Abandoned };

    explicit GradientFillRun(Workspace &workspace, QObject *parent = nullptr);
    ~GradientFillRun() override;

    // "运行": starts painting the active document's floating selection with
    // the settings; the palette's line width is the width kind 1 draws with.
    // False (and nothing changes) without a selection or while a run is
    // under way: a second "运行" is ignored.
    bool CommandRun(const GradientFillSettings &settings, int paletteWidth);
    // "中断": with a document active and a selection floating, the run ends
    // before its next chunk.
    void CommandStop();

    bool isRunning() const;
    int stepsDone() const { return m_done; }
    int stepCount() const { return m_plan.count(); }
    // The active document's floating selection's width (twips), which caps
    // the band width; nothing without one.
    std::optional<double> selectionWidth() const;

    // Paints the next chunk (what the timer does); false once the run has ended.
    bool runChunk();
    // How long one chunk may take; a chunk is a whole number of steps sized
    // from the pace of the chunks before it.
    void setFrameBudget(std::chrono::microseconds budget) { m_budget = budget; }

signals:
    void runningChanged(bool running);
    void runFinished(GradientFillRun::Outcome outcome);

private:
    Document *selectionHolder() const;
    bool stillValid() const;
    void finish(Outcome outcome);
    int nextChunkSize(qint64 lastNanoseconds, int lastSteps) const;

    Workspace &m_workspace;
    QTimer m_timer;
    QPointer<Document> m_document;
    QMetaObject::Connection m_pictureWatch;
    QMetaObject::Connection m_selectionWatch;
    GradientPlan m_plan;
    QSize m_pixelSize;
    int m_done = 0;
    int m_chunk = 0;
    bool m_stopRequested = false;
    std::chrono::microseconds m_budget { 12000 };
};
