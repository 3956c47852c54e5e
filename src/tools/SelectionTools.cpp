#include "tools/SelectionTools.h"

#include "document/Document.h"
#include "raster/PictureSurface.h"
#include "tools/CanvasToolHost.h"

void SelectRegionTool::press(CanvasToolHost &host, double x, double y)
{
    Document *document = host.document();
    if (!document)
        return;
    host.commitSelection();
    document->beginMarquee(x, y);
}

void SelectRegionTool::move(CanvasToolHost &host, double x, double y)
{
    if (Document *document = host.document())
        document->dragMarquee(x, y);
}

void SelectRegionTool::release(CanvasToolHost &host, double, double)
{
    if (Document *document = host.document())
        document->liftSelection();
}

void ScaleTool::press(CanvasToolHost &host, double, double)
{
    Document *document = host.document();
    if (!document)
        return;
    switch (document->scalePicture()) {
    case Document::ScaleOutcome::Enlarged:
        host.canvas().setDrawWidth(3);
        host.setLineWidthText(QStringLiteral("3"));
        break;
    case Document::ScaleOutcome::Reduced:
        host.canvas().setDrawWidth(1);
        host.setLineWidthText(QStringLiteral("1"));
        break;
    case Document::ScaleOutcome::TooLarge:
        host.tellUser(tooLargeMessage());
        break;
    case Document::ScaleOutcome::OutOfMemory:
        host.tellUser(QStringLiteral("内存不足，图片没有缩放。"));
        break;
    }
}

QString ScaleTool::tooLargeMessage()
{
    return QStringLiteral("图片放大三倍后超过 %1 × %1 像素或 %2 万像素，不能放大。")
        .arg(PictureSurface::MaxSide)
        .arg(PictureSurface::MaxPixels / 10000);
}
