#pragma once
// The real view members of a document context and the application's painters, for the
// start-up's factory hooks. Each returns a new object, or null (after the out-of-memory report,
// which sets the application's error flag) when it cannot be made.

class DocumentContext;
class ElementEditorBase;
class ElementScalerBase;
class InputPointListBase;
class MoveToolBase;
class RotateToolBase;
class SelectToolBase;
class PagePainter;
class PageTabBar;
class PainterBase;
class RulerBars;
class StatusBarPanes;
class ViewScroller;
class ViewUpdater;

[[nodiscard]] RulerBars* makeViewRulers(DocumentContext&);
[[nodiscard]] ViewUpdater* makeRedrawManager(DocumentContext&);
[[nodiscard]] ViewScroller* makeViewScrollBars(DocumentContext&);
[[nodiscard]] InputPointListBase* makeInputPoints(DocumentContext&);
// Each of the four element editors of a drawing.
[[nodiscard]] ElementEditorBase* makeElementEditor(DocumentContext&);
[[nodiscard]] StatusBarPanes* makeStatusPanes(DocumentContext&);
[[nodiscard]] SelectToolBase* makeSelectTool(DocumentContext&);
[[nodiscard]] MoveToolBase* makeMoveTool(DocumentContext&);
[[nodiscard]] RotateToolBase* makeRotateTool(DocumentContext&);
[[nodiscard]] ElementScalerBase* makeElementScaler(DocumentContext&);
[[nodiscard]] PainterBase* makeDocumentPainter(DocumentContext&);
// The scratch painters (the spare one adopted by a new drawing, and the overlay), the
// navigator's page painter and the page bar.
[[nodiscard]] PainterBase* makeScratchPainter();
[[nodiscard]] PagePainter* makeNavigatorPainter();
[[nodiscard]] PageTabBar* makePageTabBar();
