#pragma once

class DocumentContext;
class BezierDefaults;
class LineDefaults;
class MeasureDefaults;
class PictureDefaults;
class TextDefaults;

// The makers of the default records that start-up installs: the application's record (its global
// slot) and each drawing's (the drawing's member factory). A record that cannot be made is
// reported as memory running out and its slot stays empty.
[[nodiscard]] LineDefaults* makeLineDefaults();
[[nodiscard]] LineDefaults* makeDrawingLineDefaults(DocumentContext& drawing);
[[nodiscard]] TextDefaults* makeTextDefaults();
[[nodiscard]] TextDefaults* makeDrawingTextDefaults(DocumentContext& drawing);
[[nodiscard]] MeasureDefaults* makeMeasureDefaults();
[[nodiscard]] MeasureDefaults* makeDrawingMeasureDefaults(DocumentContext& drawing);
[[nodiscard]] BezierDefaults* makeBezierDefaults();
[[nodiscard]] BezierDefaults* makeDrawingBezierDefaults(DocumentContext& drawing);
[[nodiscard]] PictureDefaults* makePictureDefaults();
[[nodiscard]] PictureDefaults* makeDrawingPictureDefaults(DocumentContext& drawing);
