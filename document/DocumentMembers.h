#pragma once

class DocumentContext;
class ElementStore;
class ElementMaskIndex;
class InputPointListBase;
class ViewParams;
class GridSettings;
class RulerBars;
class ViewUpdater;
class PageList;
class PaperSettings;
class CropMarkSettings;
class ViewScroller;
class ElementEditorBase;
class LineDefaults;
class TextDefaults;
class BezierDefaults;
class MeasureDefaults;
class PictureDefaults;
class PropertyDialogPlacement;
class StatusBarPanes;
class SelectToolBase;
class Selection;
class ToolWorkRecord;
class MoveToolBase;
class RotateToolBase;
class PainterBase;
class TickStamp;
class UndoManager;
class TextCaretPlace;
class DisplayControlState;
class ElementIdSet;
class ElementSerialCounter;
class OrderChangeSettings;
class ElementScalerBase;
class PrintSettings;
class Document;
class InkInfo;
class DxfCommand;

// How a document context makes each of its members: one hook per member, in creation order. A
// hook returns a new object (null when it could not be made); a null hook leaves its member
// empty, and the context's forwarders then answer their "missing member" values. Each subsystem
// fills in the hooks of the members it builds (in DocumentMembers.cpp); tests put fakes in.
struct DocumentMemberFactories {
    ElementStore* (*elementStore)(DocumentContext&);
    ElementMaskIndex* (*maskIndex)(DocumentContext&);
    InputPointListBase* (*inputPoints)(DocumentContext&);
    ViewParams* (*viewParams)(DocumentContext&);
    GridSettings* (*grid)(DocumentContext&);
    RulerBars* (*rulers)(DocumentContext&);
    ViewUpdater* (*viewUpdater)(DocumentContext&);
    PageList* (*pageList)(DocumentContext&);
    PaperSettings* (*paper)(DocumentContext&);
    CropMarkSettings* (*cropMarks)(DocumentContext&);
    ViewScroller* (*scroller)(DocumentContext&);
    ElementEditorBase* (*editor1)(DocumentContext&);
    ElementEditorBase* (*editor2)(DocumentContext&);
    ElementEditorBase* (*editor3)(DocumentContext&);
    ElementEditorBase* (*editor4)(DocumentContext&);
    LineDefaults* (*lineDefaults)(DocumentContext&);
    TextDefaults* (*textDefaults)(DocumentContext&);
    BezierDefaults* (*bezierDefaults)(DocumentContext&);
    MeasureDefaults* (*measureDefaults)(DocumentContext&);
    PictureDefaults* (*pictureDefaults)(DocumentContext&);
    PropertyDialogPlacement* (*propertyPlacement)(DocumentContext&);
    StatusBarPanes* (*statusBar)(DocumentContext&);
    SelectToolBase* (*selectTool)(DocumentContext&);
    Selection* (*selection)(DocumentContext&);
    ToolWorkRecord* (*workRecord)(DocumentContext&);
    MoveToolBase* (*moveTool)(DocumentContext&);
    RotateToolBase* (*rotateTool)(DocumentContext&);
    // The context's page painter when no spare painter waits to be adopted; also the temporary
    // painter of the context's set-up.
    PainterBase* (*pagePainter)(DocumentContext&);
    TickStamp* (*tickStamp)(DocumentContext&);
    UndoManager* (*undoManager)(DocumentContext&);
    TextCaretPlace* (*caret)(DocumentContext&);
    DisplayControlState* (*displayControl)(DocumentContext&);
    ElementIdSet* (*idSet)(DocumentContext&);
    ElementSerialCounter* (*serialCounter)(DocumentContext&);
    OrderChangeSettings* (*orderSettings)(DocumentContext&);
    ElementScalerBase* (*scaler)(DocumentContext&);
    PrintSettings* (*printSettings)(DocumentContext&);
    Document* (*document)(DocumentContext&);
    InkInfo* (*inkInfo)(DocumentContext&);

    // Not a member: the DXF command object made for one import or export.
    DxfCommand* (*dxfCommand)(DocumentContext&);
};

// The maker of the four element editors, which the views fill in at start-up; null leaves the
// editors empty (a drawing with elements then neither reads nor saves).
extern ElementEditorBase* (*makeElementEditor)();

// The hooks in force; the defaults are those of DocumentMembers.cpp.
extern DocumentMemberFactories documentMemberFactories;
// The defaults, for restoring after a test.
const DocumentMemberFactories& defaultDocumentMemberFactories();
