#include "dialogs/properties/PropertyDialogInstall.h"

#include <new>

#include "dialogs/properties/AnglePropertyDialog.h"
#include "dialogs/properties/ArcPropertyDialog.h"
#include "dialogs/properties/BezierPropertyDialog.h"
#include "dialogs/properties/BitmapPropertyDialog.h"
#include "dialogs/properties/BoxPropertyDialog.h"
#include "dialogs/properties/BreaklinePropertyDialog.h"
#include "dialogs/properties/CirclePropertyDialog.h"
#include "dialogs/properties/DiameterPropertyDialog.h"
#include "dialogs/properties/LinePropertyDialog.h"
#include "dialogs/properties/MeasurePropertyDialog.h"
#include "dialogs/properties/OvalPropertyDialog.h"
#include "dialogs/properties/PicturePropertyDialog.h"
#include "dialogs/properties/PolygonPropertyDialog.h"
#include "dialogs/properties/RadiusPropertyDialog.h"
#include "dialogs/properties/SplinePropertyDialog.h"
#include "dialogs/properties/TextLinePropertyDialog.h"
#include "dialogs/properties/TextPropertyDialog.h"
#include "document/DocumentMembers.h"
#include "document/PropertyDialogPlacement.h"

namespace {
// A new dialog of the kind; null when memory ran out (the element then has no dialog to show).
template <typename Kind> Kind* make() { return new (std::nothrow) Kind; }
} // namespace

PropertyDialogPlacement* makePropertyDialogPlacement(DocumentContext&)
{
    return new (std::nothrow) PropertyDialogPlacement;
}

void installPropertyDialogs()
{
    makeLinePropertyDialog = make<LinePropertyDialog>;
    makeBreaklinePropertyDialog = make<BreaklinePropertyDialog>;
    makeSplinePropertyDialog = make<SplinePropertyDialog>;
    makeArcPropertyDialog = make<ArcPropertyDialog>;
    makeCirclePropertyDialog = make<CirclePropertyDialog>;
    makeOvalPropertyDialog = make<OvalPropertyDialog>;
    makeBoxPropertyDialog = make<BoxPropertyDialog>;
    makePolygonPropertyDialog = make<PolygonPropertyDialog>;
    makeTextPropertyDialog = make<TextPropertyDialog>;
    makeTextLinePropertyDialog = make<TextLinePropertyDialog>;
    makeMeasurePropertyDialog = make<MeasurePropertyDialog>;
    makeAnglePropertyDialog = make<AnglePropertyDialog>;
    makeRadiusPropertyDialog = make<RadiusPropertyDialog>;
    makeDiameterPropertyDialog = make<DiameterPropertyDialog>;
    makeBezierPropertyDialog = make<BezierPropertyDialog>;
    makeBitmapPropertyDialog = make<BitmapPropertyDialog>;
    makePicturePropertyDialog = make<PicturePropertyDialog>;
    documentMemberFactories.propertyPlacement = makePropertyDialogPlacement;
}
