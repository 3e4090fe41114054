#pragma once
// Plain data that the document folder creates and deletes with a drawing.
#include "platform/IntPoint.h"

class DocumentContext;

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

    DocumentContext* owner = nullptr; // not owned
    int lastPage = 0;
    int placementMode = kFirstShowing;
    IntPoint position; // the dialog window's top-left corner, screen pixels
};

// A new placement for a drawing (null when memory ran out); start-up installs it as the drawing's
// member factory.
[[nodiscard]] PropertyDialogPlacement* makePropertyDialogPlacement(DocumentContext& drawing);
