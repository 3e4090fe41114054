#include "shapes/ClipPathShape.h"

#include <cmath>

#include "geometry/PointArray.h"
#include "platform/DeviceContext.h"
#include "platform/IntPolygon.h"

int ClipPathShape::outlineIsArea() const { return path && path->count >= 3; }

bool ClipPathShape::computeBounds()
{
    if (!path || !pathIsFinite() || !path->getBounds(&lowerBound, &upperBound))
        return false;
    lowerBound.x += offsetX, lowerBound.y += offsetY, lowerBound.z += offsetZ;
    upperBound.x += offsetX, upperBound.y += offsetY, upperBound.z += offsetZ;
    return std::isfinite(lowerBound.x) && std::isfinite(lowerBound.y) && std::isfinite(upperBound.x) &&
           std::isfinite(upperBound.y);
}

void ClipPathShape::saveClip() { hadClip = surface && surface->getClipRegion(savedClip) == 1; }

int ClipPathShape::buildDevicePolygon(IntPolygon& polygon)
{
    return path && worldPolygonToDevice(*path, offsetX, offsetY, polygon);
}

int ClipPathShape::setPolygonClip()
{
    if (!surface)
        return 0;
    IntPolygon polygon;
    Region clip;
    if (!buildDevicePolygon(polygon) || !clip.createPolygon(polygon) || !surface->selectClipRegion(clip))
        return 0;
    if (hadClip)
        surface->intersectClip(savedClip.boundingBox());
    return 1;
}

void ClipPathShape::restoreClip()
{
    if (!surface)
        return;
    if (hadClip && surface->selectClipRegion(savedClip))
        return;
    surface->resetClip();
}

int ClipPathShape::writePostScriptClip()
{
    if (!outlineIsArea())
        return 0;
    // The clip counts as written once started: the run closes it with "_icp" whatever failed.
    (void)(psNewPath() && psMoveToPoint(*path, 0, 1) && psLineToPoints(*path, 1, path->count - 1, 1) &&
           psClosePath() && psClip());
    return 1;
}

int ClipPathShape::writePdfClip()
{
    if (!outlineIsArea())
        return 0;
    return pdfSaveState() && pdfMoveToPoint(*path, 0, 1) && pdfLineToPoints(*path, 1, path->count - 1, 1) &&
           pdfClosePath() && pdfClip() && pdfEndPath();
}

int ClipPathShape::endPdfClip() { return pdfRestoreState(); }

int ClipPathShape::runFill(int operation, int newMode, const InkColor& own, InkColor& out)
{
    op = operation;
    mode = newMode;
    if (op == ShapeOp::Pdf) {
        writePdf();
        return 1;
    }
    if (!prepareOperation(0.0))
        return 0;
    colourForOperation(op, own, out);
    if (op == ShapeOp::PostScript) {
        writePostScript();
        return 1;
    }
    DcScope scope(*surface);
    drawOnDevice();
    return 1;
}
