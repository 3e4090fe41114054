#pragma once

class Dialog;
class EdgeAttributes;
class FillAttributes;
class GrayAttributes;
class HatchAttributes;

// The objects of a closed figure that an area page edits (not owned; null for one the element
// lacks, whose fields the page then leaves out). The screen is the fill's own unless another is
// given (the default records keep the fill's screen apart from the fill).
struct AreaAttributes {
    EdgeAttributes* edge = nullptr;
    FillAttributes* fill = nullptr;
    HatchAttributes* hatch = nullptr;
    GrayAttributes* screen = nullptr;
};

// The controls of an area page, in the order they are stored.
struct AreaPageIds {
    int edgeDrawn, fillDrawn; // check boxes
    int pattern;              // combo box
    int pitch1, pitch2;       // real-number fields
    int screen;               // combo box
    int start, end;           // integer fields, percent
    int direction;            // combo box
};

// An area page (領域) of the closed figures (box, oval, polygon, Bezier curve) and of their
// default records: whether the outline ("外枠線あり") and the fill ("塗りつぶし") are drawn, the hatch
// pattern with its two pitches, and the fill's screen with its start and end tint and its
// direction, edited in the objects given.
//
// The property dialogs' page 1579 and the settings pages keep an outline or a fill: a click on
// either switch takes it at once, and turning one off turns the other on (onClick). The batch
// page leaves both to the user.
namespace area_page {

// The property dialogs' page 1579.
extern const AreaPageIds kPropertyPage;

void declare(Dialog& dialog, const AreaPageIds& ids);
void load(Dialog& dialog, const AreaPageIds& ids, const AreaAttributes& area);
// In this order: edge switch, fill switch, pattern, pitches, screen kind, tints, direction.
void store(Dialog& dialog, const AreaPageIds& ids, const AreaAttributes& area);
// 1 when the event was a click on one of the two switches (taken as said above).
[[nodiscard]] int onClick(Dialog& dialog, const AreaPageIds& ids, const AreaAttributes& area, int controlId);

} // namespace area_page
