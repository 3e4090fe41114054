#pragma once
// Interface header: the operations that the folders below call; no internals of this folder.

class DocumentContext;
class DoubleRect;
class Element;
struct ElementIndexEntry;

// Takes elements by id from the store into a live element of their kind and creates new elements
// by mouse. A context holds four: the first draws the pages, the second creates new elements and
// holds the element in edit, the third serves the select, move, rotate and scale tools. Only the
// operations that the document context calls are declared here.
class ElementEditor {
public:
    virtual ~ElementEditor() = default;

    virtual void setOwner(DocumentContext* owner) = 0;
    // One mouse step of creating an element of a kind with the tool's mode; the state code.
    [[nodiscard]] virtual int mouseStep(int kind, int mode) = 0;
    // Places an element of a kind (pictures) by mouse; the state code.
    [[nodiscard]] virtual int placeByMouse(int kind, int mode) = 0;
    // Finishes the element in hand (commit as new or store back).
    virtual void settleElement(int flag) = 0;
    // The element in hand, or null.
    [[nodiscard]] virtual Element* elementInHand() = 0;
    // 1 when the element in hand has this kind.
    [[nodiscard]] virtual int holdsKind(int kind) = 0;
    // 1 while the element in hand is being edited in place.
    [[nodiscard]] virtual int isInEditState() = 0;
    virtual void redrawInputOverlay() = 0;
    virtual void handleKey() = 0;
    virtual int insertCharacters(int first, int second) = 0;
    virtual int onContextEvent1() = 0;
    virtual int onContextEvent2() = 0;
    virtual int onContextEvent3() = 0;

    // File input and output (the document's fourth editor).
    // Starts a new element of a kind as the editor's current element; 1 on success.
    [[nodiscard]] virtual int newElement(int kind)
    {
        (void)kind;
        return 0;
    }
    // Lets the current element take the values read into the document's attribute holder
    // (Element::readXmlAttributes).
    [[nodiscard]] virtual int readElementXmlAttributes() { return 0; }
    // Stores the current element on the current page as a new element (new id, extent, document
    // marked changed); 0 when no id could be given.
    [[nodiscard]] virtual int addToPage() { return 0; }
    // Takes the element with that id, writes it (Element::writeXml) and returns the next id of
    // its page chain, -1 after the last.
    [[nodiscard]] virtual int writeElementXmlById(int id)
    {
        (void)id;
        return -1;
    }

    // Elements by id, as undo and redo replay them. Each answers 1, or 0 when it cannot (the
    // defaults: an editor that holds no store).

    // Takes the element with that id from the store into the editor.
    [[nodiscard]] virtual int beginEdit(int id)
    {
        (void)id;
        return 0;
    }
    // Writes the element in hand back under its id and stores its extent.
    [[nodiscard]] virtual int storeBack(int id)
    {
        (void)id;
        return 0;
    }
    // Deletes the element from the store, drops it from the editor and notifies the context.
    [[nodiscard]] virtual int removeById(int id)
    {
        (void)id;
        return 0;
    }
    // Puts a deleted id back at the place its 48-byte entry image records, then takes it like
    // beginEdit, stores its extent and notifies the context.
    [[nodiscard]] virtual int reinsertById(int id, const ElementIndexEntry& entry)
    {
        (void)id, (void)entry;
        return 0;
    }
    // Links the element (deleted or not) at the end of its page's chains, then as reinsertById.
    [[nodiscard]] virtual int appendToPageEndById(int id)
    {
        (void)id;
        return 0;
    }

    // Pasting: creates an element of the entry's kind (words 3 to 7 give serial, group, kind,
    // layer and page) and loads it from the record staged in the store's buffer; it is then the
    // element in hand. 1, or 0 when no such element can be made.
    [[nodiscard]] virtual int takeRecord(const ElementIndexEntry& entry)
    {
        (void)entry;
        return 0;
    }
    // A new element of a kind made in hand without the mouse (a pasted picture), and its commit
    // as a new element on the current page: the new id, negative when none could be given.
    [[nodiscard]] virtual int startNewElement(int kind)
    {
        (void)kind;
        return 0;
    }
    [[nodiscard]] virtual int commitNewId() { return -1; }

    // The extent of the element with that id in drawing coordinates (what a part registered
    // from a selection measures); 0 when the element cannot be taken.
    [[nodiscard]] virtual int elementExtent(int id, DoubleRect& extent)
    {
        (void)id, (void)extent;
        return 0;
    }

    // Draws the element with that id (operation 1) when the display control shows it and it
    // meets the redraw manager's update area; the next id of its page chain, -1 when the element
    // cannot be taken (the default).
    [[nodiscard]] virtual int drawElementById(int id)
    {
        (void)id;
        return -1;
    }
};
