#pragma once
// An interface that this folder and those above call; a folder above implements it.
#include "document/PainterBase.h"

// The navigator's miniature of the active drawing's sheet (one for the application); the real
// one is NavigatorPainter (views/NavigatorPainter.h).
class PagePainter : public PainterBase {
public:
    // Sizes the miniature for the navigator pane, draws the page and shows it; without a
    // navigator pane the painter lets go of its drawing. A null drawing (none is open) empties
    // the pane.
    virtual void refresh(DocumentContext* context) = 0;
    // Copies the miniature to the navigator pane and frames the part the view shows (no redraw).
    virtual void show(DocumentContext* context) { (void)context; }
    // Draws the stored element with that id into the miniature, without redrawing the page.
    virtual void addElement(DocumentContext* context, int id) { (void)context, (void)id; }
    // Centres the drawing's view on the point of the miniature last clicked.
    virtual void onNavigatorClick(DocumentContext* context) { (void)context; }
};

// Defined in document/GlobalManagers.cpp, with its first readers.
extern PagePainter* thePagePainter;
