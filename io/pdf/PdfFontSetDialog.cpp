#include "io/pdf/PdfFontSetDialog.h"

#include <cstring>

#include "io/postscript/FontFaceMap.h"
#include "platform/ControlKinds.h"
#include "resources/ids_pdf.h"

namespace {
// The fields of a record's five names, in the record's order.
const int kNameFields[FontFaceRecord::kNameCount] = {IDC_PDF_DISPLAY_NAME, IDC_PDF_REGULAR_NAME, IDC_PDF_BOLD_NAME,
                                                     IDC_PDF_ITALIC_NAME, IDC_PDF_BOLD_ITALIC_NAME};
} // namespace

int PdfFontSetDialog::run() { return runModal(IDD_PDF_FONT_SET); }

void PdfFontSetDialog::declareControls()
{
    // Declaring fails only when memory ran out (reported); OK and Cancel still end the dialog.
    (void)addControl(IDOK, KIND_PUSH_BUTTON);
    (void)addControl(IDCANCEL, KIND_PUSH_BUTTON);
    (void)addControl(IDC_PDF_SCREEN_FACES, KIND_OWNER_DRAW_TREE);
    (void)addControl(IDC_PDF_FACE_RECORDS, KIND_OWNER_DRAW_TREE);
    (void)addControl(IDC_PDF_FACE_SCROLL, KIND_SCROLL_BAR);
    (void)addControl(IDC_PDF_RECORD_CHOICE, KIND_COMBO_BOX);
    for (int id : kNameFields)
        (void)addControl(id, KIND_TEXT_EDIT);
    (void)addControl(IDC_PDF_ADD_RECORD, KIND_PUSH_BUTTON);
    (void)addControl(IDC_PDF_REPLACE_RECORD, KIND_PUSH_BUTTON);
    (void)addControl(IDC_PDF_DELETE_RECORD, KIND_PUSH_BUTTON);
    attachControls();
    Control* faces = findControl(IDC_PDF_SCREEN_FACES);
    Control* records = findControl(IDC_PDF_FACE_RECORDS);
    if (faces && records) {
        faces->linkTo(records);
        records->linkTo(faces);
        if (Control* bar = findControl(IDC_PDF_FACE_SCROLL)) {
            bar->bindToItem();
            bar->linkTo(faces);
        }
    }
}

const char* PdfFontSetDialog::recordNameOf(int logical) const
{
    const FontFaceRecord* record = table_.recordAt(table_.positionOf(logical));
    return record ? record->name(FontFaceRecord::kDisplay) : "";
}

void PdfFontSetDialog::fillChoice()
{
    Control* combo = findControl(IDC_PDF_RECORD_CHOICE);
    if (!combo)
        return;
    (void)combo->reset();
    for (int position = 0; position < table_.count(); ++position)
        if (!combo->addString(table_.recordAt(position)->name(FontFaceRecord::kDisplay)))
            break; // a combo that cannot grow offers what it took
    (void)combo->select(table_.selection + 1); // the combo counts from 1
}

void PdfFontSetDialog::fillLists()
{
    Control* faces = findControl(IDC_PDF_SCREEN_FACES);
    Control* records = findControl(IDC_PDF_FACE_RECORDS);
    if (!faces || !records)
        return;
    const int selected = faces->getSelected();
    faces->clear();
    records->clear();
    for (int i = 0; i < table_.mapCount(); ++i) {
        const FontFaceMap::Entry* entry = table_.entryAt(i);
        if (!faces->addItem(entry->face) || !records->addItem(recordNameOf(entry->logical)))
            break; // lists that cannot grow show the faces they took
    }
    (void)faces->select(selected);
    (void)records->select(selected);
    if (Control* bar = findControl(IDC_PDF_FACE_SCROLL))
        bar->linkTo(faces); // the range follows the rows
}

void PdfFontSetDialog::showCurrentRecord()
{
    const FontFaceRecord* record = table_.recordAt(table_.selection);
    for (int i = 0; i < FontFaceRecord::kNameCount; ++i)
        setText(kNameFields[i], record ? record->name(i) : "");
    displayChanged = stylesChanged = 0;
}

void PdfFontSetDialog::readFields(FontFaceRecord& record)
{
    for (int i = 0; i < FontFaceRecord::kNameCount; ++i) {
        char text[FontFaceRecord::kNameSize] = {};
        (void)getText(kNameFields[i], text, sizeof text); // an unreadable field counts as empty
        record.setName(i, text);
    }
}

void PdfFontSetDialog::compareFields()
{
    FontFaceRecord typed;
    readFields(typed);
    const FontFaceRecord* current = table_.recordAt(table_.selection);
    const char* none = "";
    displayChanged = std::strcmp(typed.name(FontFaceRecord::kDisplay),
                                 current ? current->name(FontFaceRecord::kDisplay) : none) != 0;
    stylesChanged = 0;
    for (int i = FontFaceRecord::kRegular; i < FontFaceRecord::kNameCount; ++i)
        stylesChanged = stylesChanged || std::strcmp(typed.name(i), current ? current->name(i) : none) != 0;
}

void PdfFontSetDialog::updateButtons()
{
    FontFaceRecord typed;
    readFields(typed);
    int allStyles = 1;
    for (int i = FontFaceRecord::kRegular; i < FontFaceRecord::kNameCount; ++i)
        allStyles = allStyles && typed.name(i)[0] != 0;
    const int position = table_.recordAt(table_.selection) ? table_.selection : -1;
    const int logical = position >= 0 ? table_.logicalOf(position) : -2;
    (void)enableControl(IDC_PDF_ADD_RECORD, displayChanged && typed.name(FontFaceRecord::kDisplay)[0] && allStyles);
    (void)enableControl(IDC_PDF_REPLACE_RECORD,
                        (displayChanged && logical >= 1) || (stylesChanged && allStyles && position >= 1));
    (void)enableControl(IDC_PDF_DELETE_RECORD, logical >= 1);
}

void PdfFontSetDialog::refreshAll()
{
    fillChoice();
    fillLists();
    showCurrentRecord();
    updateButtons();
}

int PdfFontSetDialog::selectedFace()
{
    Control* faces = findControl(IDC_PDF_SCREEN_FACES);
    const int row = faces ? faces->getSelected() : -1;
    return table_.entryAt(row) ? row : -1;
}

void PdfFontSetDialog::selectFace(int row)
{
    for (int id : {IDC_PDF_SCREEN_FACES, IDC_PDF_FACE_RECORDS})
        if (Control* list = findControl(id))
            (void)list->select(row);
    const FontFaceMap::Entry* entry = table_.entryAt(row);
    const int position = entry ? table_.positionOf(entry->logical) : -1;
    if (position < 0)
        return;
    table_.selection = position;
    if (Control* combo = findControl(IDC_PDF_RECORD_CHOICE))
        (void)combo->select(position + 1);
    showCurrentRecord();
    updateButtons();
}

void PdfFontSetDialog::chooseRecord()
{
    Control* combo = findControl(IDC_PDF_RECORD_CHOICE);
    const int position = combo ? combo->getSelection() - 1 : -1;
    if (!table_.recordAt(position))
        return;
    table_.selection = position;
    showCurrentRecord();
    updateButtons();
    const int row = selectedFace();
    if (row < 0 || !table_.setMapEntry(row, table_.logicalOf(position)))
        return;
    if (Control* records = findControl(IDC_PDF_FACE_RECORDS)) {
        (void)records->setItemText(row, recordNameOf(table_.entryAt(row)->logical));
        records->repaintRow(row);
    }
}

void PdfFontSetDialog::addRecord()
{
    FontFaceRecord record;
    readFields(record);
    if (table_.addRecord(record))
        table_.selection = table_.count() - 1;
    refreshAll();
}

void PdfFontSetDialog::replaceRecord()
{
    FontFaceRecord record;
    readFields(record);
    (void)table_.replaceRecord(table_.selection, record); // the current record exists: the button says so
    refreshAll();
}

void PdfFontSetDialog::deleteRecord()
{
    const int logical = table_.logicalOf(table_.selection);
    if (logical < 1 || !table_.removeRecord(table_.selection))
        return;
    table_.renumberAfterRemoval(logical);
    table_.selection = table_.positionOf(table_.defaultLogical()) >= 0 ? table_.positionOf(table_.defaultLogical()) : 0;
    for (int id : {IDC_PDF_SCREEN_FACES, IDC_PDF_FACE_RECORDS})
        if (Control* list = findControl(id))
            (void)list->select(-1);
    refreshAll();
}

int PdfFontSetDialog::handleMessage()
{
    switch (event) {
    case DLG_INIT:
        declareControls();
        if (!table_.recordAt(table_.selection))
            table_.selection = 0;
        refreshAll();
        return Dialog::handleMessage();
    case DLG_PAINT:
        // The lists paint outside WM_PAINT: they paint again over the dialog's own painting.
        refreshControls();
        return 0;
    case DLG_CLICK:
        if (currentControl &&
            (currentControl->id == IDC_PDF_SCREEN_FACES || currentControl->id == IDC_PDF_FACE_RECORDS)) {
            selectFace(currentControl->getSelected());
            return 1;
        }
        break;
    case DLG_SELECTION:
        // The event goes to the control commanded last; the message names the combo itself.
        if (getCommandId() == IDC_PDF_RECORD_CHOICE) {
            chooseRecord();
            return 1;
        }
        break;
    case DLG_CHANGE:
        if (getCommandId() >= IDC_PDF_DISPLAY_NAME && getCommandId() <= IDC_PDF_BOLD_ITALIC_NAME) {
            compareFields();
            updateButtons();
            return 1;
        }
        break;
    case DLG_COMMAND:
        switch (getCommandId()) {
        case IDC_PDF_ADD_RECORD:
            addRecord();
            return 1;
        case IDC_PDF_REPLACE_RECORD:
            replaceRecord();
            return 1;
        case IDC_PDF_DELETE_RECORD:
            deleteRecord();
            return 1;
        case IDOK:
            // The record the combo shows is the current one.
            if (Control* combo = findControl(IDC_PDF_RECORD_CHOICE))
                if (table_.recordAt(combo->getSelection() - 1))
                    table_.selection = combo->getSelection() - 1;
            break;
        default:
            break;
        }
        break;
    default:
        break;
    }
    return Dialog::handleMessage();
}
