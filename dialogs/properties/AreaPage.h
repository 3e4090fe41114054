#pragma once

class Dialog;
class EdgeAttributes;
class FillAttributes;
class HatchAttributes;

// The objects of a closed figure that the area page edits (not owned; null for one the element
// lacks, whose fields the page then leaves out).
struct AreaAttributes {
    EdgeAttributes* edge = nullptr;
    FillAttributes* fill = nullptr;
    HatchAttributes* hatch = nullptr;
};

// The area page 1579 (領域) of the closed figures (box, oval, polygon, Bezier curve): whether the
// outline ("外枠線あり") and the fill ("塗りつぶし") are drawn, the hatch pattern with its two
// pitches, and the fill's screen with its start and end tint and its direction, edited in the
// element's objects.
//
// A click on either switch takes it at once, and turning one off turns the other on: an area
// element always keeps its outline or its fill drawn.
namespace area_page {

void declare(Dialog& dialog);
void load(Dialog& dialog, const AreaAttributes& area);
// In this order: edge switch, fill switch, pattern, pitches, screen kind, tints, direction.
void store(Dialog& dialog, const AreaAttributes& area);
// 1 when the event was a click on one of the two switches (taken as said above).
[[nodiscard]] int onClick(Dialog& dialog, const AreaAttributes& area, int controlId);

} // namespace area_page
