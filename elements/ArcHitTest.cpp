#include "elements/ArcHitTest.h"

#include "geometry/LineOriginAttribute.h"
#include "geometry/PointList.h"
#include "geometry/ThreePointArc.h"
#include "views/tools/SelectTool.h"

namespace {
// The flattening step of the tested outline, degrees (as the shapes draw it).
constexpr double kStepDegrees = 5.0;
} // namespace

int hitTestArcStroke(SelectTool& tool, const ThreePointArc& arc, double width, int position)
{
    ThreePointArc moved = arc;
    if (position == LineOriginAttribute::kTop)
        moved.addToRadius(-width * 0.5);
    else if (position == LineOriginAttribute::kBottom)
        moved.addToRadius(width * 0.5);
    if (!(moved.radius > 0.0))
        return 0;
    PointList outline;
    if (!moved.sampleByAngle(&outline, kStepDegrees) || outline.count < 2)
        return 0;
    return tool.hitOpenPolyline(outline, width, LineOriginAttribute::kCenter);
}
