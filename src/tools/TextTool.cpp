#include "tools/TextTool.h"

#include "document/Document.h"
#include "document/TextBox.h"
#include "raster/PictureSurface.h"
#include "tools/CanvasToolHost.h"

void TextTool::press(CanvasToolHost &host, double x, double y)
{
    host.canvas().setCurrentX(x);
    host.canvas().setCurrentY(y);
    if (Document *document = host.document())
        document->hword().place(x, y);
}
