#pragma once
// The default records' base: read by this folder and those above; the defaults dialogs' folder implements it.
#include "document/Selection.h"
#include "geometry/IntValue.h"
#include "geometry/LayerNumber.h"
#include "geometry/XmlSectionOwner.h"

class DocumentContext;
class Element;

// Base of the per-kind default attribute records: the attributes a new element of the record's
// kinds takes. The application owns one record of each kind, which the settings file fills; every
// document owns one more, a copy of the application's made when the document is set up, which its
// drawing file's header then overwrites. The line, text, Bezier and measure records own the header
// sections setGeometry, setText, setBezier and setMeasure of the drawing file.
//
// Two protocols edit a record (DefaultsProtocol.h runs them for every kind):
// - editSettings: the kind's settings dialog on a copy; OK copies it back into this record and
//   into the application's, Cancel changes neither. The tab shown last is remembered.
// - batchEdit: the kind's batch dialog on a copy, opened with nothing ticked; OK makes the values
//   this document's defaults (the application's record stays) and applies the ticked ones to
//   every selected element of the record's kinds as one undo step "一括変更". The record is the
//   selection's operation then: accepts (handlesKind) says which kinds it serves, apply (applyTo)
//   gives one element the ticked values, the layer first (applyLayer).
//
// settingsPage and batchPage live in the document's record, so each drawing reopens its dialogs on
// its own last tabs; they and the batch flags are in no file.
class ElementDefaults : public XmlSectionOwner, public SelectionOperation {
public:
    ~ElementDefaults() override = default;

    // The drawing whose record this is; null for the application's record.
    virtual void setOwner(DocumentContext* drawing);
    // The protocols above; 1 when the dialog ended with OK. Nothing (0) in the base.
    virtual int editSettings() { return 0; }
    virtual int batchEdit() { return 0; }
    // The layer new elements of the record's kinds take.
    [[nodiscard]] virtual int getLayer() { return layer.layer; }

    // SelectionOperation: the base serves no kind and applies nothing.
    [[nodiscard]] int accepts(int kind) override;
    int apply(Element* element) override;

    // --- what the kinds' records and dialogs share (not called by the document or the kinds) ---
    // A layer outside 0..255 is not taken.
    void setLayer(int n);
    // With an element and the apply flag set: the element goes to the record's layer and the
    // answer is 1; otherwise `result` unchanged.
    [[nodiscard]] int applyLayer(Element* element, int result);
    // Owner and apply flag of another record (part of each kind's copy of its batch flags).
    void assignBatchBase(const ElementDefaults& other);
    // A kind's own apply flags (`count` of them) with the layer flag: all cleared; 1 when any is
    // set; the kind's flags copied from another record's.
    void clearBatchFlags(IntValue* flags, int count);
    [[nodiscard]] int anyBatchFlag(const IntValue* flags, int count) const;
    static void copyBatchFlags(IntValue* to, const IntValue* from, int count);
    // The owning drawing's selection; null without an owner.
    [[nodiscard]] Selection* ownerSelection() const;

    DocumentContext* owner = nullptr; // not owned
    int settingsPage = 0;
    LayerNumber layer;
    int batchPage = 0;
    IntValue applyLayerFlag; // batch edit: 1 gives the selected elements the record's layer
};
