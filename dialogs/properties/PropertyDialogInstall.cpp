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
#include "document/ElementKind.h"

namespace {
// A new dialog of the kind; null when memory ran out (the element then has no dialog to show).
template <typename Kind> ElementPropertyDialog* make() { return new (std::nothrow) Kind; }
} // namespace

ElementPropertyDialog* KindDialogPlacement::makeDialog(int kind)
{
    switch (static_cast<ElementKind>(kind)) {
    case ElementKind::Line:
        return make<LinePropertyDialog>();
    case ElementKind::Breakline:
        return make<BreaklinePropertyDialog>();
    case ElementKind::Spline:
        return make<SplinePropertyDialog>();
    case ElementKind::Arc:
        return make<ArcPropertyDialog>();
    case ElementKind::Circle:
        return make<CirclePropertyDialog>();
    case ElementKind::Oval:
        return make<OvalPropertyDialog>();
    case ElementKind::Box:
        return make<BoxPropertyDialog>();
    case ElementKind::Polygon:
        return make<PolygonPropertyDialog>();
    case ElementKind::Text:
        return make<TextPropertyDialog>();
    case ElementKind::TextLine:
        return make<TextLinePropertyDialog>();
    case ElementKind::Measure:
        return make<MeasurePropertyDialog>();
    case ElementKind::AngleMeasure:
        return make<AnglePropertyDialog>();
    case ElementKind::MsrRadius:
        return make<RadiusPropertyDialog>();
    case ElementKind::MsrDiameter:
        return make<DiameterPropertyDialog>();
    case ElementKind::Bezier:
        return make<BezierPropertyDialog>();
    case ElementKind::Bitmap:
        return make<BitmapPropertyDialog>();
    case ElementKind::Picture:
        return make<PicturePropertyDialog>();
    default:
        return nullptr;
    }
}

PropertyDialogPlacement* makePropertyDialogPlacement(DocumentContext&)
{
    return new (std::nothrow) KindDialogPlacement;
}

void installPropertyDialogs() { documentMemberFactories.propertyPlacement = makePropertyDialogPlacement; }
