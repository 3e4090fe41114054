#pragma once

class DocumentContext;
class BezierDefaults;
class LineDefaults;

// The makers of the default records that start-up installs: the application's record (its global
// slot) and each drawing's (the drawing's member factory). A record that cannot be made is
// reported as memory running out and its slot stays empty.
[[nodiscard]] LineDefaults* makeLineDefaults();
[[nodiscard]] LineDefaults* makeDrawingLineDefaults(DocumentContext& drawing);
[[nodiscard]] BezierDefaults* makeBezierDefaults();
[[nodiscard]] BezierDefaults* makeDrawingBezierDefaults(DocumentContext& drawing);
