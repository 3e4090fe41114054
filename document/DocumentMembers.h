#pragma once

class DocumentContext;
class InputPointListBase;
class ViewParams;
class RulerBars;
class ViewUpdater;
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
class MoveToolBase;
class RotateToolBase;
class PainterBase;
class TextCaretPlace;
class ElementScalerBase;
class PrintSettings;
class InkInfo;
class DxfCommand;

// How a document context makes the members that the folders above build: one hook per member,
// in creation order (the members of the document's own classes, such as the element store, the
// pages, the paper, the undo manager and the document, the context makes itself, in between). A
// hook returns a new object (null when it could not be made); a null hook leaves its member empty,
// and the context's forwarders then answer their "missing member" values. The code that puts the
// program together fills the hooks in (shell/StartUp.cpp and the dialogs' installers); tests put
// fakes in.
struct DocumentMemberFactories {
    InputPointListBase* (*inputPoints)(DocumentContext&);
    ViewParams* (*viewParams)(DocumentContext&);
    RulerBars* (*rulers)(DocumentContext&);
    ViewUpdater* (*viewUpdater)(DocumentContext&);
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
    MoveToolBase* (*moveTool)(DocumentContext&);
    RotateToolBase* (*rotateTool)(DocumentContext&);
    // The context's page painter when no spare painter waits to be adopted; also the temporary
    // painter of the context's set-up.
    PainterBase* (*pagePainter)(DocumentContext&);
    TextCaretPlace* (*caret)(DocumentContext&);
    ElementScalerBase* (*scaler)(DocumentContext&);
    PrintSettings* (*printSettings)(DocumentContext&);
    InkInfo* (*inkInfo)(DocumentContext&);

    // Not a member: the DXF command object made for one import or export.
    DxfCommand* (*dxfCommand)(DocumentContext&);
};

// The hooks in force; the defaults are those of DocumentMembers.cpp.
extern DocumentMemberFactories documentMemberFactories;
