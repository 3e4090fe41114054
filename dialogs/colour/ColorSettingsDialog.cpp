#include "dialogs/colour/ColorSettingsDialog.h"

#include "dialogs/colour/NamedColorTable.h"
#include "dialogs/colour/OverprintDialog.h"
#include "geometry/InkColor.h"
#include "geometry/InkInfo.h"
#include "platform/ControlKinds.h"
#include "platform/MessageBoxes.h"
#include "platform/StringUtil.h"
#include "resources/ids_colour.h"

namespace {

const int kCmykFields[4] = {IDC_COLOR_CYAN, IDC_COLOR_MAGENTA, IDC_COLOR_YELLOW, IDC_COLOR_BLACK};
const int kCmykSpins[4] = {IDC_COLOR_CYAN_SPIN, IDC_COLOR_MAGENTA_SPIN, IDC_COLOR_YELLOW_SPIN, IDC_COLOR_BLACK_SPIN};
const int kRgbFields[3] = {IDC_COLOR_RED, IDC_COLOR_GREEN, IDC_COLOR_BLUE};
const int kRgbSpins[3] = {IDC_COLOR_RED_SPIN, IDC_COLOR_GREEN_SPIN, IDC_COLOR_BLUE_SPIN};
const int kProcessInk = 1;
const char kMakerRow[] = "DIC カラー";

int isOneOf(int id, const int* ids, int n)
{
    for (int i = 0; i < n; ++i)
        if (ids[i] == id)
            return 1;
    return 0;
}

// The tables, each read the first time it is shown; null when the application has none.
NamedColorTable* loadedTable(NamedColorTable* table)
{
    if (table)
        (void)table->loadOnce(); // a table without its file is shown empty
    return table;
}

// Shows a table in its list and the name of its current entry in the name field.
void showTable(Dialog& dialog, NamedColorTable* table, int listId, int scrollId, int nameId)
{
    if (Control* field = dialog.findControl(nameId))
        (void)field->sendItemMessage(EM_LIMITTEXT, ColorEntry::kNameSize - 1, 0); // no answer to read
    Control* list = dialog.findControl(listId);
    if (!table || !list)
        return;
    Control* bar = dialog.findControl(scrollId);
    table->attachList(list, bar);
    if (bar) {
        bar->bindToItem();
        bar->linkTo(list);
        bar->setPosition(table->firstVisible);
    }
    if (const ColorEntry* entry = table->getCurrent())
        dialog.setText(nameId, entry->name);
    table->drawList();
}

} // namespace

ColorSettingsDialog::ColorSettingsDialog(InkColor& edited, InkInfo& inks, Dialog* ownerDialog)
    : colour(edited), inkInfo(inks), owner(ownerDialog)
{
}

int ColorSettingsDialog::run()
{
    setCaption("カラー設定");
    setOwnerDialog(owner);
    const int result = runModal(IDD_COLOR_SETTINGS);
    // The lists' controls are gone with the dialog.
    if (theUserColorTable)
        theUserColorTable->attachList(nullptr, nullptr);
    if (theDicColorTable)
        theDicColorTable->attachList(nullptr, nullptr);
    return result == IDOK ? 1 : 0;
}

void ColorSettingsDialog::declare()
{
    // Declaring fails only when memory ran out; the dialog then shows without the control, and
    // every use looks for it first.
    (void)addControl(IDOK, KIND_PUSH_BUTTON);
    (void)addControl(IDCANCEL, KIND_PUSH_BUTTON);
    (void)addControl(IDC_COLOR_SWATCH, KIND_COLOR_SWATCH);
    (void)addControl(IDC_COLOR_MODEL_CMYK, KIND_RADIO_BUTTON);
    (void)addControl(IDC_COLOR_MODEL_RGB, KIND_RADIO_BUTTON);
    for (int i = 0; i < 4; ++i) {
        (void)addControl(kCmykFields[i], KIND_INTEGER_EDIT);
        (void)addControl(kCmykSpins[i], KIND_UP_DOWN);
    }
    for (int i = 0; i < 3; ++i) {
        (void)addControl(kRgbFields[i], KIND_INTEGER_EDIT);
        (void)addControl(kRgbSpins[i], KIND_UP_DOWN);
    }
    (void)addControl(IDC_COLOR_PALETTE, KIND_OWNER_DRAW_STATIC);
    (void)addControl(IDC_USER_COLOR_NAME, KIND_TEXT_EDIT);
    if (theUserColorTable)
        (void)addControl(theUserColorTable->newListControl(), IDC_USER_COLOR_LIST, KIND_OWNER_DRAW_STATIC);
    (void)addControl(IDC_USER_COLOR_SCROLL, KIND_SCROLL_BAR);
    for (int id = IDC_USER_COLOR_BEFORE; id <= IDC_USER_COLOR_DELETE; ++id)
        (void)addControl(id, KIND_PUSH_BUTTON);
    (void)addControl(IDC_COLOR_MAKER, KIND_COMBO_BOX);
    (void)addControl(IDC_DIC_COLOR_NAME, KIND_TEXT_EDIT);
    if (theDicColorTable)
        (void)addControl(theDicColorTable->newListControl(), IDC_DIC_COLOR_LIST, KIND_OWNER_DRAW_STATIC);
    (void)addControl(IDC_DIC_COLOR_SCROLL, KIND_SCROLL_BAR);
    (void)addControl(IDC_DIC_COLOR_RENAME, KIND_PUSH_BUTTON);
    (void)addControl(IDC_COLOR_INK, KIND_COMBO_BOX);
    for (int slot = 0; slot < InkInfo::kSlots; ++slot) {
        (void)addControl(IDC_SPOT_INK_1 + slot, KIND_PUSH_BUTTON);
        (void)addControl(IDC_SPOT_LABEL_1 + slot, KIND_TEXT_EDIT);
    }
    (void)addControl(IDC_COLOR_OVERPRINT_DLG, KIND_PUSH_BUTTON);
    (void)addControl(IDC_COLOR_OVERPRINT, KIND_CHECK_BUTTON);
    attachControls();
}

void ColorSettingsDialog::initialise()
{
    declare();
    for (int i = 0; i < 4; ++i)
        (void)setupUpDown(kCmykFields[i], kCmykSpins[i], colour.inks[i], 0, 100); // a missing spin leaves the field
    int rgb[3];
    colour.getRgbArray(rgb);
    for (int i = 0; i < 3; ++i)
        (void)setupUpDown(kRgbFields[i], kRgbSpins[i], rgb[i], 0, 255);
    (void)colour.showInControl(this, IDC_COLOR_SWATCH); // a missing swatch shows nothing
    setEditModel(3);

    showTable(*this, loadedTable(theUserColorTable), IDC_USER_COLOR_LIST, IDC_USER_COLOR_SCROLL, IDC_USER_COLOR_NAME);
    updateUserButtons();
    if (Control* maker = findControl(IDC_COLOR_MAKER)) {
        (void)maker->reset();
        (void)maker->addString(kMakerRow);
        (void)maker->select(1);
    }
    showTable(*this, loadedTable(theDicColorTable), IDC_DIC_COLOR_LIST, IDC_DIC_COLOR_SCROLL, IDC_DIC_COLOR_NAME);
    updateDicButtons();

    (void)colour.overprintToCheckBox(this, IDC_COLOR_OVERPRINT);
    (void)(colour.fillInkList(this, IDC_COLOR_INK) && colour.inkToList(this, IDC_COLOR_INK));
    showSpotLabels();
}

void ColorSettingsDialog::showColour()
{
    for (int i = 0; i < 4; ++i)
        setInt(kCmykFields[i], colour.inks[i]);
    int rgb[3];
    colour.getRgbArray(rgb);
    for (int i = 0; i < 3; ++i)
        setInt(kRgbFields[i], rgb[i]);
    (void)(colour.showInControl(this, IDC_COLOR_SWATCH) && colour.repaintControl(this, IDC_COLOR_SWATCH));
}

void ColorSettingsDialog::setInkInUse(int ink)
{
    colour.inkNumber = ink;
    (void)colour.inkToList(this, IDC_COLOR_INK); // without the list the ink is taken all the same
}

void ColorSettingsDialog::setEditModel(int model)
{
    editModel = model;
    checkRadio(model == 3 ? IDC_COLOR_MODEL_CMYK : IDC_COLOR_MODEL_RGB);
    uncheckRadio(model == 3 ? IDC_COLOR_MODEL_RGB : IDC_COLOR_MODEL_CMYK);
}

void ColorSettingsDialog::updateUserButtons()
{
    const int current = theUserColorTable && theUserColorTable->getCurrent();
    enableControl(IDC_USER_COLOR_BEFORE, current);
    enableControl(IDC_USER_COLOR_AFTER, theUserColorTable != nullptr);
    enableControl(IDC_USER_COLOR_CHANGE, current);
    enableControl(IDC_USER_COLOR_DELETE, current);
}

void ColorSettingsDialog::updateDicButtons()
{
    const int current = theDicColorTable && theDicColorTable->getCurrent();
    enableControl(IDC_DIC_COLOR_RENAME, current);
    for (int slot = 0; slot < InkInfo::kSlots; ++slot)
        enableControl(IDC_SPOT_INK_1 + slot, current);
}

void ColorSettingsDialog::showSpotLabels()
{
    for (int slot = 0; slot < InkInfo::kSlots; ++slot) {
        char label[ColorEntry::kNameSize + 16];
        inkInfo.inkLabel(slot, label, sizeof label);
        setText(IDC_SPOT_LABEL_1 + slot, label);
    }
}

int ColorSettingsDialog::takeName(int id, char* name, int size)
{
    (void)getText(id, name, size); // an empty field gives an empty name
    if (fitsColorLine(name))
        return 1;
    showErrorBox("色の名前に「\"」は使えません。");
    return 0;
}

int ColorSettingsDialog::entryFromColour(ColorEntry& entry)
{
    entry.number = 0;
    if (!takeName(IDC_USER_COLOR_NAME, entry.name, sizeof entry.name))
        return 0;
    for (int i = 0; i < 4; ++i)
        entry.inks[i] = colour.inks[i];
    colour.getRgbArray(entry.rgb);
    return 1;
}

void ColorSettingsDialog::pickFromPalette()
{
    Control* area = findControl(IDC_COLOR_PALETTE);
    int column = 0, row = 0, r = 0, g = 0, b = 0;
    if (!area || !palette.cellAtCursor(*area, column, row) || !palette.colourAt(column, row, r, g, b))
        return;
    colour.setRgbAndInks(r, g, b);
    showColour();
    setInkInUse(kProcessInk);
}

void ColorSettingsDialog::pickUserColour()
{
    NamedColorTable* table = theUserColorTable;
    if (!table || table->selectAtCursor() < 0)
        return;
    const ColorEntry& entry = *table->getCurrent();
    setText(IDC_USER_COLOR_NAME, entry.name);
    colour.setInks(entry.inks);
    showColour();
    setInkInUse(kProcessInk);
    updateUserButtons();
}

void ColorSettingsDialog::pickDicColour()
{
    NamedColorTable* table = theDicColorTable;
    if (!table || table->selectAtCursor() < 0)
        return;
    const ColorEntry& entry = *table->getCurrent();
    setText(IDC_DIC_COLOR_NAME, entry.name);
    colour.setInks(entry.inks);
    showColour();
    setInkInUse(kProcessInk);
    updateDicButtons();
}

void ColorSettingsDialog::editUserTable(int id)
{
    NamedColorTable* table = theUserColorTable;
    if (!table)
        return;
    ColorEntry entry;
    if (id != IDC_USER_COLOR_DELETE && !entryFromColour(entry))
        return; // a name the file cannot keep changes nothing
    // Each answers 0 when there is no current entry to act on; the list stays as it was then.
    switch (id) {
    case IDC_USER_COLOR_BEFORE:
        (void)table->insertBeforeCurrent(entry);
        break;
    case IDC_USER_COLOR_AFTER:
        (void)table->insertAfterCurrent(entry);
        break;
    case IDC_USER_COLOR_CHANGE:
        (void)table->changeCurrent(entry);
        break;
    default:
        (void)table->deleteCurrent();
        break;
    }
    updateUserButtons();
}

void ColorSettingsDialog::takeSpotInk(int slot)
{
    if (!inkInfo.setInkFromDicSelection(slot))
        return; // no DIC colour chosen
    showSpotLabels();
    setInkInUse(slot + 2);
    // The colour shows the spot ink it now prints with, as when the ink is chosen in the list.
    int values[4];
    if (inkInfo.inkValues(slot, values)) {
        colour.setInks(values);
        showColour();
    }
}

void ColorSettingsDialog::runOverprint()
{
    OverprintDialog plates(colour, inkInfo, this);
    if (plates.run() == 1)
        setCheck(IDC_COLOR_OVERPRINT, colour.hasNoPlateOverprint() ? 0 : 1);
}

int ColorSettingsDialog::takeTypedFields(const int* fields, int count, int high, int* values)
{
    // Only an edit of the field's own counts: the fields the dialog rewrites one by one report
    // each change too, and meanwhile the others still show the colour before.
    int edited = 0;
    while (edited < count && fields[edited] != getCommandId())
        ++edited;
    if (edited == count)
        return 0;
    int typed = values[edited];
    if (takeInt(fields[edited], 0, high, typed) <= 0 || typed == values[edited])
        return 0;
    for (int i = 0; i < count; ++i)
        if (takeInt(fields[i], 0, high, values[i]) < 0)
            return 0;
    return 1;
}

int ColorSettingsDialog::modelFieldsHoldNumbers()
{
    const int* fields = editModel == 3 ? kCmykFields : kRgbFields;
    const int count = editModel == 3 ? 4 : 3;
    for (int i = 0; i < count; ++i) {
        int typed = 0;
        if (takeInt(fields[i], 0, editModel == 3 ? 100 : 255, typed) < 0)
            return 0;
    }
    return 1;
}

void ColorSettingsDialog::takeCmykFields()
{
    // The other model's fields are not read, so that their first edit after a switch counts.
    if (editModel != 3)
        return;
    int values[4] = {colour.inks[0], colour.inks[1], colour.inks[2], colour.inks[3]};
    if (!takeTypedFields(kCmykFields, 4, 100, values))
        return;
    colour.setInks(values);
    showColour();
    setInkInUse(kProcessInk);
}

void ColorSettingsDialog::takeRgbFields()
{
    // The other model's fields are not read, so that their first edit after a switch counts.
    if (editModel != 1)
        return;
    int rgb[3];
    colour.getRgbArray(rgb);
    if (!takeTypedFields(kRgbFields, 3, 255, rgb))
        return;
    colour.setRgbAndInks(rgb[0], rgb[1], rgb[2]);
    showColour();
    setInkInUse(kProcessInk);
}

void ColorSettingsDialog::takeInkFromList()
{
    if (!colour.inkFromList(this, IDC_COLOR_INK))
        return;
    int values[4];
    if (colour.inkNumber >= 2 && inkInfo.inkValues(colour.inkNumber - 2, values)) {
        colour.setInks(values);
        showColour();
    }
}

void ColorSettingsDialog::storeAndClose()
{
    // The maker list has the one row "DIC カラー".
    if (Control* maker = findControl(IDC_COLOR_MAKER); maker && maker->getSelection() == 1)
        inkInfo.maker = InkInfo::kDicMaker;
    (void)colour.overprintFromCheckBox(this, IDC_COLOR_OVERPRINT); // both exist while the dialog runs
    (void)colour.inkFromList(this, IDC_COLOR_INK);
}

int ColorSettingsDialog::onButton(int id)
{
    if (id >= IDC_SPOT_INK_1 && id < IDC_SPOT_INK_1 + InkInfo::kSlots) {
        takeSpotInk(id - IDC_SPOT_INK_1);
        return 1;
    }
    switch (id) {
    case IDOK:
        if (!modelFieldsHoldNumbers())
            return 1; // the dialog stays on the field named
        storeAndClose();
        return 0; // the base ends the dialog with 1
    case IDC_COLOR_MODEL_CMYK:
        setEditModel(3);
        return 1;
    case IDC_COLOR_MODEL_RGB:
        setEditModel(1);
        return 1;
    case IDC_COLOR_SWATCH:
        if (colour.pickWithStandardDialog(this, IDC_COLOR_SWATCH)) {
            int rgb[3];
            colour.getRgbArray(rgb);
            colour.setRgbAndInks(rgb[0], rgb[1], rgb[2]);
            showColour();
            setInkInUse(kProcessInk);
        }
        return 1;
    case IDC_COLOR_PALETTE:
        pickFromPalette();
        return 1;
    case IDC_USER_COLOR_LIST:
        pickUserColour();
        return 1;
    case IDC_USER_COLOR_BEFORE:
    case IDC_USER_COLOR_AFTER:
    case IDC_USER_COLOR_CHANGE:
    case IDC_USER_COLOR_DELETE:
        editUserTable(id);
        return 1;
    case IDC_DIC_COLOR_LIST:
        pickDicColour();
        return 1;
    case IDC_DIC_COLOR_RENAME:
        if (theDicColorTable) {
            // An empty field renames to nothing.
            char name[ColorEntry::kNameSize];
            if (takeName(IDC_DIC_COLOR_NAME, name, sizeof name) && theDicColorTable->renameCurrent(name))
                showSpotLabels();
        }
        return 1;
    case IDC_COLOR_OVERPRINT_DLG:
        runOverprint();
        return 1;
    default:
        return 0;
    }
}

int ColorSettingsDialog::handleMessage()
{
    switch (event) {
    case DLG_INIT:
        initialise();
        return 1;
    case DLG_PAINT:
        // The palette, the lists and the swatch paint outside WM_PAINT, over the dialog's own.
        if (Control* area = findControl(IDC_COLOR_PALETTE))
            palette.draw(*area);
        refreshControls();
        return 0;
    case DLG_EDIT_FOCUS:
        applyControlImeMode();
        return 0;
    case DLG_COMMAND:
    case DLG_CLICK:
        if (onButton(event == DLG_CLICK && currentControl ? currentControl->id : getCommandId()))
            return 1;
        break;
    case DLG_CHANGE:
        if (isOneOf(getCommandId(), kCmykFields, 4))
            takeCmykFields();
        else if (isOneOf(getCommandId(), kRgbFields, 3))
            takeRgbFields();
        return 1;
    case DLG_SELECTION:
        if (getCommandId() == IDC_COLOR_INK)
            takeInkFromList();
        return 1;
    default:
        break;
    }
    return Dialog::handleMessage();
}

int runColorSettingsDialog(InkColor& colour, InkInfo& inks, Dialog* owner)
{
    ColorSettingsDialog dialog(colour, inks, owner);
    return dialog.run();
}
