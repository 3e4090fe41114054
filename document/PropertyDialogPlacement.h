#pragma once
// Data that the document folder creates and deletes with a drawing, and the property dialogs as
// the element kinds run them; the dialogs folder builds the dialogs.
#include "platform/IntPoint.h"

class DocumentContext;
class Element;

// A property dialog as an element kind runs it: bound to the element (the caller's working copy),
// then run with the stepping flags (whether the selection holds an element before and after it);
// run answers the dialog's result. The dialogs folder builds them (PropertyDialog).
class ElementPropertyDialog {
public:
    virtual ~ElementPropertyDialog() = default;

    virtual void bind(Element* target) = 0;
    [[nodiscard]] virtual int run(int hasPrevious, int hasNext) = 0;
};

// Per drawing: the tab and the window position that its property dialogs showed last, so that
// the next property dialog of the drawing (stepping through a selection, or another element
// later) opens where the last one closed. A kind with fewer pages falls back to its common page.
class PropertyDialogPlacement {
public:
    // The dialog placement modes of the class library: a first showing centred on the cursor,
    // then at the remembered position.
    static constexpr int kFirstShowing = 13;
    static constexpr int kRemembered = 5;

    virtual ~PropertyDialogPlacement() = default;

    virtual void setOwner(DocumentContext* drawing) { owner = drawing; }
    // A new property dialog for an element of the kind (code 1..19); null for a kind without one,
    // when memory ran out, and always for this plain record: the placement that start-up installs
    // builds each kind's dialog.
    [[nodiscard]] virtual ElementPropertyDialog* makeDialog(int /*kind*/) { return nullptr; }

    DocumentContext* owner = nullptr; // not owned
    int lastPage = 0;
    int placementMode = kFirstShowing;
    IntPoint position; // the dialog window's top-left corner, screen pixels
};

// A new placement for a drawing (null when memory ran out); start-up installs it as the drawing's
// member factory.
[[nodiscard]] PropertyDialogPlacement* makePropertyDialogPlacement(DocumentContext& drawing);
