#include "effects/GradientFillRun.h"

#include "document/Document.h"
#include "document/FloatingSelection.h"
#include "document/Workspace.h"
#include "raster/GradientPainter.h"
#include "raster/PictureSurface.h"

#include <algorithm>

namespace {

constexpr int Transparent = 1;
constexpr int Solid = 0;
// The first chunk is small: the pace of a run is not known before it.
constexpr int FirstChunk = 16;

}

GradientFillRun::GradientFillRun(Workspace &workspace, QObject *parent)
    : QObject(parent)
    , m_workspace(workspace)
{
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &GradientFillRun::runChunk);
    connect(&m_workspace, &Workspace::documentUnloading, this, [this](Document *document) {
        if (document == m_document)
            finish(Outcome::Abandoned);
    });
}

GradientFillRun::~GradientFillRun()
{
    disconnect(m_pictureWatch);
    disconnect(m_selectionWatch);
}

bool GradientFillRun::isRunning() const
{
    return m_document != nullptr;
}

Document *GradientFillRun::selectionHolder() const
{
    Document *active = m_workspace.ActiveEdit();
    return active && active->hBoolSelect ? active : nullptr;
}

std::optional<double> GradientFillRun::selectionWidth() const
{
    if (const Document *document = selectionHolder())
        return document->selection().picture().ScaleWidth();
    return std::nullopt;
}

bool GradientFillRun::CommandRun(const GradientFillSettings &settings, int paletteWidth)
{
    Document *document = selectionHolder();
    if (!document || isRunning())
        return false;
    m_stopRequested = false;
    PictureSurface &picture = document->selection().picture();
    m_plan = settings.planFor(picture.ScaleWidth(), picture.ScaleHeight());
    m_pixelSize = picture.Image().size();
    m_done = 0;
    m_chunk = FirstChunk;
    picture.setFillStyle(Transparent);
    picture.setDrawStyle(document->Picture1().DrawStyle());
    picture.setDrawWidth(settings.lineWidthFor(paletteWidth));
    m_document = document;
    FloatingSelection *selection = &document->selection();
    m_pictureWatch = connect(&picture, &PictureSurface::changed, selection,
        [selection](const QRect &pixels) { selection->pictureRedrawn(pixels); });
    m_selectionWatch = connect(
        document, &Document::selectionChanged, this, [this] { finish(Outcome::Abandoned); });
    m_timer.start();
    emit runningChanged(true);
    return true;
}

void GradientFillRun::CommandStop()
{
    if (selectionHolder())
        m_stopRequested = true;
}

bool GradientFillRun::stillValid() const
{
    return m_document && m_document->hBoolSelect
        && m_document->selection().picture().Image().size() == m_pixelSize;
}

bool GradientFillRun::runChunk()
{
    if (!isRunning())
        return false;
    if (!stillValid()) {
        finish(Outcome::Abandoned);
        return false;
    }
    if (m_stopRequested) {
        m_stopRequested = false;
        finish(Outcome::Stopped);
        return false;
    }
    PictureSurface &picture = m_document->selection().picture();
    const int steps = std::min(m_chunk, m_plan.count() - m_done);
    QElapsedTimer clock;
    clock.start();
    GradientPainter::paint(picture, m_plan, m_done, m_done + steps);
    m_done += steps;
    m_chunk = nextChunkSize(clock.nsecsElapsed(), steps);
    if (m_done < m_plan.count())
        return true;
    picture.setDrawWidth(1);
    picture.setFillStyle(Solid);
    finish(Outcome::Completed);
    return false;
}

int GradientFillRun::nextChunkSize(qint64 lastNanoseconds, int lastSteps) const
{
    // Aim at three quarters of the budget, since later steps may cost more
    // (rings grow), and at most eight times the last chunk.
    const double target = 0.75 * double(std::chrono::nanoseconds(m_budget).count());
    const double perStep = double(std::max<qint64>(lastNanoseconds, 1)) / std::max(lastSteps, 1);
    const double fits = target / perStep;
    return int(std::clamp(fits, 1.0, 8.0 * std::max(lastSteps, 1)));
}

void GradientFillRun::finish(Outcome outcome)
{
    if (!isRunning())
        return;
    m_timer.stop();
    disconnect(m_pictureWatch);
    disconnect(m_selectionWatch);
    m_document = nullptr;
    m_stopRequested = false;
    emit runningChanged(false);
    emit runFinished(outcome);
}
