#include "dialogs/properties/TextPropertyDialog.h"

#include "document/Element.h"
#include "resources/ids_text_properties.h"

namespace {
using Base = TextPropertyDialogBase;
const Base::PointFields kStart[] = {
    {&Element::firstPoint, IDC_TEXT_START_X, IDC_TEXT_START_Y, IDC_TEXT_START_X_UNIT, IDC_TEXT_START_Y_UNIT},
};
const Base::Layout kLayout = {
    {{Base::kColourRole, IDD_TEXT_COLOUR}, {Base::kFontRole, IDD_TEXT_FONT}, {Base::kCoordinateRole, IDD_TEXT_POINTS}},
    {{IDC_TEXT_COLOUR, Base::kTextColour}},
    1,
    {IDC_TEXT_FACE, IDC_TEXT_STYLE, IDC_TEXT_SIZE},
    {},
    {},
    kStart,
    1,
    IDC_TEXT_LEAN};
} // namespace

TextPropertyDialog::TextPropertyDialog() : TextPropertyDialogBase(kLayout) {}

int TextPropertyDialog::runKind(PropertyStepRecord& record) { return run(record, "テキスト"); }
