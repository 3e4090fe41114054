#include "dialogs/properties/SplinePropertyDialog.h"

#include "elements/Element.h"
#include "resources/ids_properties.h"

namespace {
VertexPageIds vertexPage()
{
    VertexPageIds ids;
    ids.x = IDC_SPLINE_X, ids.y = IDC_SPLINE_Y;
    ids.xUnit = IDC_SPLINE_X_UNIT, ids.yUnit = IDC_SPLINE_Y_UNIT;
    ids.number = IDC_SPLINE_NUMBER, ids.count = IDC_SPLINE_COUNT;
    ids.previous = IDC_SPLINE_PREVIOUS, ids.next = IDC_SPLINE_NEXT;
    return ids;
}
} // namespace

SplinePropertyDialog::SplinePropertyDialog()
    : StrokePropertyDialogBase({IDD_LINE_COLOUR, IDD_BREAKLINE_TYPE, 0, IDD_SPLINE_POINTS},
                               {IDC_BREAKLINE_WIDTH, IDC_BREAKLINE_POSITION, IDC_BREAKLINE_STYLE, IDC_BREAKLINE_CAP}),
      stepper(vertexPage(), 0)
{
    vertexStepper = &stepper;
}

void SplinePropertyDialog::setElement(Element* target)
{
    StrokePropertyDialogBase::setElement(target);
    setSwatch(0, IDC_LINE_COLOUR, target ? target->colour() : nullptr);
    stepper.bind(target ? target->vertices() : nullptr, nullptr, documentContext);
}

int SplinePropertyDialog::runKind(PropertyStepRecord& record) { return run(record, "スプライン曲線"); }
