#pragma once

class SelectTool;
class ThreePointArc;

// The pick test of a stroked circular arc (its centre, radius, angles and direction computed):
// the radius moves by half the width inwards for line position 2 (TOP) and outwards for 3
// (BOTTOM), as the stroke lies there, and the arc, flattened every 5 degrees, meets the select
// tool's pick area grown by half the width (paper millimetres) as an open polyline does.
[[nodiscard]] int hitTestArcStroke(SelectTool& tool, const ThreePointArc& arc, double width, int position);
