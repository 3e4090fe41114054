#include "dialogs/properties/BreaklinePropertyDialog.h"

#include "elements/Element.h"
#include "elements/VertexRoundingList.h"
#include "resources/ids_properties.h"

namespace {
VertexPageIds vertexPage()
{
    VertexPageIds ids;
    ids.x = IDC_BREAKLINE_X, ids.y = IDC_BREAKLINE_Y;
    ids.xUnit = IDC_BREAKLINE_X_UNIT, ids.yUnit = IDC_BREAKLINE_Y_UNIT;
    ids.number = IDC_BREAKLINE_NUMBER, ids.count = IDC_BREAKLINE_COUNT;
    ids.previous = IDC_BREAKLINE_PREVIOUS, ids.next = IDC_BREAKLINE_NEXT;
    ids.radius = IDC_BREAKLINE_RADIUS, ids.radiusUnit = IDC_BREAKLINE_RADIUS_UNIT;
    return ids;
}
} // namespace

BreaklinePropertyDialog::BreaklinePropertyDialog()
    : StrokePropertyDialogBase({IDD_BREAKLINE_COLOUR, IDD_BREAKLINE_TYPE, 0, IDD_BREAKLINE_POINTS},
                               {IDC_BREAKLINE_WIDTH, IDC_BREAKLINE_POSITION, IDC_BREAKLINE_STYLE, IDC_BREAKLINE_CAP}),
      stepper(vertexPage(), 0)
{
    vertexStepper = &stepper;
}

void BreaklinePropertyDialog::setElement(Element* target)
{
    StrokePropertyDialogBase::setElement(target);
    setSwatch(0, IDC_BREAKLINE_COLOUR, target ? target->colour() : nullptr);
    stepper.bind(target ? target->vertices() : nullptr, target ? target->vertexRounding() : nullptr, documentContext);
}

int BreaklinePropertyDialog::runKind(PropertyStepRecord& record) { return run(record, "折れ線"); }
