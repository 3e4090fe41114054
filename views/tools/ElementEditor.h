#pragma once
#include "elements/ElementRecordEditor.h"

class DocumentContext;

// Creates new elements by mouse and edits stored ones by mouse, by their handles and by their
// property sheets, on top of the store, file and undo role of ElementRecordEditor.
class ElementEditor : public ElementRecordEditor {
public:
    ElementEditor();
    ~ElementEditor() override;

    // --- creation by mouse (see ElementEditorBase) ---
    [[nodiscard]] int mouseStep(int kind, int mode) override;
    [[nodiscard]] int beginCreation(int kind, int mode) override;
    [[nodiscard]] int continueCreation(int kind, int mode) override;
    [[nodiscard]] int finishStep(int result) override;
    void abandonCreation() override;
    // A mouse edit, a handle drag and the property sheet of a stored element (see the .cpp).
    [[nodiscard]] int editByMouseById(int id) override;
    [[nodiscard]] int dragHandleById(int id, int handle) override;
    [[nodiscard]] int runPropertySheet(int id, int hasPrevious, int hasNext) override;
    [[nodiscard]] int placeByMouse(int kind, int mode) override;
    void settleElement(int markSelected) override;
    [[nodiscard]] int holdsKind(int kind) override;
    [[nodiscard]] int isInEditState() override;
    void redrawInputOverlay() override;
    void handleKey() override;
    int insertCharacters(int first, int second) override;
    int onContextEvent1() override;
    int onContextEvent2() override;
    int onContextEvent3() override;

    // --- new elements ---
    // A completed new element: its serial from the drawing's counter, stored, recorded for undo
    // (a new element, named by its kind), its input state reset and drawn into the view, the
    // navigator and the page bar, under a grid that lies over the figures, made the single
    // selection and shown; then the low-memory check. -1 when the store gave no id (nothing else
    // happens), else 1.
    [[nodiscard]] int commitNewElement() override;
};

// A new element editor, null when memory ran out (no report; makeElementEditor of ViewMembers.h
// reports it).
[[nodiscard]] ElementEditorBase* newElementEditor();
