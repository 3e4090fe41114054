#pragma once

class Element;

// The vertex editing that the point-list kinds share (breakline, arcbreakline, spline, polygon,
// arcpolygon): it works on the element's point list and, where the kind keeps one, its rounding
// list, so that every edit keeps a radius beside each vertex.
namespace shared_body {

// The vertex under the select tool's cursor (the first one hit): dragged (undo "point move"
// when it moved in more than one step), or with the typed key '+' the release point inserted
// after it with a sharp corner (undo "point add"), or with '-' removed with its radius (undo
// "point delete"; refused while the list holds minimumVertices or fewer). 11 done, -1 cancelled
// or refused, 0 when no vertex lies under the cursor or the view or tool is missing.
[[nodiscard]] int editVertexByMouse(Element& element, int minimumVertices);
// Handles 0..7 of the exact extent dragged: every vertex scaled from the opposite handle (the
// corners both axes, the edges one). 11 done, -1 cancelled (the vertices put back).
[[nodiscard]] int dragVertexHandle(Element& element, int handle);
// A mark on every vertex, drawn with the operation.
void drawVertexMarks(Element& element, int operation);

} // namespace shared_body
