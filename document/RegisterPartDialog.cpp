#include "document/RegisterPartDialog.h"

#include "document/PartsLibrary.h"
#include "resources/ids.h"

namespace {

const RadioChoiceDialog::Choice kChoices[9] = {
    {IDC_PART_ORIGIN_FIRST + 0, 0}, {IDC_PART_ORIGIN_FIRST + 1, 1}, {IDC_PART_ORIGIN_FIRST + 2, 2},
    {IDC_PART_ORIGIN_FIRST + 3, 3}, {IDC_PART_ORIGIN_FIRST + 4, 4}, {IDC_PART_ORIGIN_FIRST + 5, 5},
    {IDC_PART_ORIGIN_FIRST + 6, 6}, {IDC_PART_ORIGIN_FIRST + 7, 7}, {IDC_PART_ORIGIN_FIRST + 8, 8},
};

} // namespace

RegisterPartDialog::RegisterPartDialog(PartsLibrary& library, DocumentContext* drawing, const DoubleRect& extent)
    : RadioChoiceDialog(library.originChoice, kChoices, 9), library_(library), drawing_(drawing), extent_(extent)
{
    library_.originChoice = PartsLibrary::kCentre;
}

int RegisterPartDialog::handleMessage()
{
    const int before = library_.originChoice;
    const int answer = RadioChoiceDialog::handleMessage();
    if (event == DLG_INIT || library_.originChoice != before)
        library_.setOriginChoice(library_.originChoice, extent_, drawing_);
    return answer;
}
