#include "dialogs/FontChangeDialog.h"

#include <initializer_list>

#include "dialogs/FontPairList.h"
#include "dialogs/InstalledFontList.h"
#include "platform/ControlKinds.h"
#include "resources/ids_colour.h"

FontChangeDialog::FontChangeDialog(FontPairList& editedRows, InstalledFontList& installed, int deleting)
    : rows(editedRows), faces(installed), allowDelete(deleting)
{
}

int FontChangeDialog::run()
{
    setCaption("フォントチェンジ");
    return runModal(IDD_FONT_CHANGE) == IDOK ? 1 : 0;
}

void FontChangeDialog::initialise()
{
    // Declaring fails only when memory ran out; the dialog then shows without the control, and
    // every use looks for it first.
    (void)addControl(IDOK, KIND_PUSH_BUTTON);
    (void)addControl(IDCANCEL, KIND_PUSH_BUTTON);
    (void)addControl(IDC_FONT_READ_NAMES, KIND_OWNER_DRAW_TREE);
    (void)addControl(IDC_FONT_DISPLAY_NAMES, KIND_OWNER_DRAW_TREE);
    (void)addControl(IDC_FONT_SCROLL, KIND_SCROLL_BAR);
    (void)addControl(IDC_FONT_FACES, KIND_COMBO_BOX);
    (void)addControl(IDC_FONT_CLEAR_ALL, KIND_PUSH_BUTTON);
    (void)addControl(IDC_FONT_DELETE, KIND_PUSH_BUTTON);
    attachControls();
    Control* combo = findControl(IDC_FONT_FACES);
    (void)(faces.fillComboBox(combo) && faces.selectInComboBox(combo)); // without the list no face is chosen
    Control* readNames = findControl(IDC_FONT_READ_NAMES);
    Control* shownNames = findControl(IDC_FONT_DISPLAY_NAMES);
    // The two lists scroll together with the bar.
    if (readNames && shownNames) {
        readNames->linkTo(shownNames);
        shownNames->linkTo(readNames);
    }
    fillLists();
    if (Control* bar = findControl(IDC_FONT_SCROLL)) {
        bar->bindToItem();
        bar->linkTo(readNames);
    }
}

void FontChangeDialog::fillLists()
{
    Control* readNames = findControl(IDC_FONT_READ_NAMES);
    Control* shownNames = findControl(IDC_FONT_DISPLAY_NAMES);
    for (Control* list : {readNames, shownNames}) {
        if (!list)
            continue;
        list->clear();
        for (int row = 0; row < rows.count(); ++row)
            (void)list->addItem(list == readNames ? rows.readNameAt(row) : rows.displayNameAt(row)); // a row the list refuses is not shown
        list->repaint();
    }
    if (Control* bar = findControl(IDC_FONT_SCROLL))
        bar->linkTo(readNames); // the range follows the rows
    updateButtons();
}

int FontChangeDialog::selectedRow()
{
    Control* readNames = findControl(IDC_FONT_READ_NAMES);
    const int row = readNames ? readNames->getSelected() : -1;
    return row >= 0 && row < rows.count() ? row : -1;
}

void FontChangeDialog::updateButtons()
{
    const int clearing = allowDelete == 1 && rows.count() >= 1;
    enableControl(IDC_FONT_CLEAR_ALL, clearing);
    enableControl(IDC_FONT_DELETE, clearing && selectedRow() >= 0);
}

void FontChangeDialog::followSelection(int clickedId)
{
    Control* clicked = findControl(clickedId);
    Control* other = findControl(clickedId == IDC_FONT_READ_NAMES ? IDC_FONT_DISPLAY_NAMES : IDC_FONT_READ_NAMES);
    if (clicked && other)
        (void)other->select(clicked->getSelected()); // the lists hold the same rows
    updateButtons();
}

void FontChangeDialog::takeFace()
{
    Control* combo = findControl(IDC_FONT_FACES);
    (void)faces.readComboBox(combo); // without the list the current face stays
    const int row = selectedRow();
    Control* shownNames = findControl(IDC_FONT_DISPLAY_NAMES);
    const char* face = faces.get(faces.current);
    if (row < 0 || !shownNames || !face)
        return;
    (void)shownNames->setItemText(row, face); // the row is the list's
    shownNames->repaintRow(row);
}

void FontChangeDialog::storeRows()
{
    Control* shownNames = findControl(IDC_FONT_DISPLAY_NAMES);
    for (int row = 0; shownNames && row < rows.count(); ++row) {
        char face[FontPair::kNameSize];
        // A row whose text is empty (or that the list does not hold) keeps its display face.
        if (shownNames->getItemText(row, face, sizeof face) > 0)
            (void)rows.setDisplayName(row, face); // the row exists
    }
    (void)faces.readComboBox(findControl(IDC_FONT_FACES)); // without the list the current face stays
}

int FontChangeDialog::handleMessage()
{
    switch (event) {
    case DLG_INIT:
        initialise();
        return 1;
    case DLG_PAINT:
        refreshControls(); // the lists paint outside WM_PAINT
        return 0;
    case DLG_CLICK:
        if (currentControl && (currentControl->id == IDC_FONT_READ_NAMES || currentControl->id == IDC_FONT_DISPLAY_NAMES)) {
            followSelection(currentControl->id);
            return 1;
        }
        break;
    case DLG_SELECTION:
        if (getCommandId() == IDC_FONT_FACES) {
            takeFace();
            return 1;
        }
        break;
    case DLG_COMMAND:
        switch (getCommandId()) {
        case IDC_FONT_CLEAR_ALL:
            if (allowDelete == 1) {
                rows.clear();
                fillLists();
            }
            return 1;
        case IDC_FONT_DELETE:
            if (allowDelete == 1 && rows.remove(selectedRow()))
                fillLists();
            return 1;
        case IDOK:
            storeRows();
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
