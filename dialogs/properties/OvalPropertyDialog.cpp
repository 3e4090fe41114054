#include "dialogs/properties/OvalPropertyDialog.h"

#include "dialogs/properties/PropertyFields.h"
#include "document/Element.h"
#include "geometry/LeanAttribute.h"
#include "platform/ControlKinds.h"
#include "resources/ids_properties.h"
#include "shapes/OvalType.h"

namespace {
using Base = StrokePropertyDialogBase;
const Base::PointFields kPoints[] = {
    {&Element::firstPoint, IDC_OVAL_START_X, IDC_OVAL_START_Y, IDC_OVAL_START_X_UNIT, IDC_OVAL_START_Y_UNIT},
    {&Element::secondPoint, IDC_OVAL_END_X, IDC_OVAL_END_Y, IDC_OVAL_END_X_UNIT, IDC_OVAL_END_Y_UNIT},
};
const Base::Layout kLayout = {{IDD_OVAL_COLOUR, IDD_OVAL_TYPE, IDD_AREA_PAGE, IDD_OVAL_POINTS},
                              {IDC_OVAL_WIDTH, IDC_OVAL_POSITION, IDC_OVAL_STYLE, 0},
                              {{IDC_OVAL_EDGE_COLOUR, Base::kEdgeColour},
                               {IDC_OVAL_FILL_COLOUR, Base::kFillColour},
                               {IDC_OVAL_PATTERN_COLOUR, Base::kHatchColour}},
                              kPoints,
                              2};
} // namespace

OvalPropertyDialog::OvalPropertyDialog() : StrokePropertyDialogBase(kLayout) {}

int OvalPropertyDialog::runKind(PropertyStepRecord& record) { return run(record, "楕円"); }

void OvalPropertyDialog::declareCoordinateControls()
{
    StrokePropertyDialogBase::declareCoordinateControls();
    declareFields({IDC_OVAL_LEAN}, {});
    (void)addControl(IDC_OVAL_KIND, KIND_COMBO_BOX); // a list left undeclared is one the page lacks
}

void OvalPropertyDialog::loadCoordinatePage()
{
    StrokePropertyDialogBase::loadCoordinatePage();
    // Each transfer answers 0 only for a field the page lacks, which then shows nothing.
    if (LeanAttribute* lean = element->lean())
        (void)lean->angleToField(this, IDC_OVAL_LEAN);
    if (OvalType* type = element->ovalType())
        (void)(type->fillList(this, IDC_OVAL_KIND) && type->toList(this, IDC_OVAL_KIND));
}

void OvalPropertyDialog::storeCoordinatePage()
{
    StrokePropertyDialogBase::storeCoordinatePage();
    double angle = 0.0;
    LeanAttribute* lean = element->lean();
    if (lean && property_fields::takeReal(*this, IDC_OVAL_LEAN, -property_fields::kMaxAngle,
                                          property_fields::kMaxAngle, angle))
        lean->angle = angle;
    if (OvalType* type = element->ovalType())
        (void)type->fromList(this, IDC_OVAL_KIND); // without the list the type stays
}
