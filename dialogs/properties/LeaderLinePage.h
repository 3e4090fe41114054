#pragma once

class ArrowHeadStyle;
class Dialog;
class DrawLineAttribute;
class LineAttribute;

// The fields of a line page ("線"); 0 for a field the page lacks (the leader text has no underline
// and no gap or overshoot of its leader).
struct LeaderLineIds {
    int underlineStyle = 0, underlineWidth = 0;
    int leaderStyle = 0, leaderWidth = 0, leaderGap = 0, leaderOver = 0;
    int arrowKind = 0, arrowSize = 0, arrowLength = 0, arrowLean = 0;
};

// The values a line page edits (not owned; null for a group the page leaves out).
struct LeaderLineValues {
    LineAttribute* underline = nullptr;
    DrawLineAttribute* leader = nullptr;
    ArrowHeadStyle* arrow = nullptr;
};

// The line page of the leader text and the dimensions: the underline's style ("なし", "実線",
// "点線", "鎖線": list position = style + 1) and width, the leader's style (the same list), width,
// gap ("隙間") and overshoot ("余り"), the arrow head's kind (list position = kind + 1), line
// width, length and lean. Lengths are paper millimetres, the lean degrees. A number is taken only
// when it was typed as one number within its bounds (PropertyFields): lengths 0..1000 mm, the lean
// within ±1e6 degrees; a list with nothing chosen keeps its value.
namespace leader_line_page {

void declare(Dialog& dialog, const LeaderLineIds& ids);
void load(Dialog& dialog, const LeaderLineIds& ids, const LeaderLineValues& values);
// In the order underline, leader, arrow head; each group as load shows it.
void store(Dialog& dialog, const LeaderLineIds& ids, const LeaderLineValues& values);

} // namespace leader_line_page
