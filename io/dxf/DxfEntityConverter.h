#pragma once
#include <cstddef>
#include <unordered_map>
#include <vector>

class Document;
class DxfTextFile;
class Element;
class ElementEditorBase;

// Turns the entities of a DXF file into elements of the current page, one per call, through the
// document's attribute holder and its file editor: LINE a line, ARC an arc, POLYLINE a polygon,
// TEXT a text; any other entity is passed over. Adding an element writes no undo record.
//
// The groups set the holder's values: 1 the text, 8 the layer (only "1" to "255"; any other
// name keeps the layer that new elements of the kind take), 10/20/30 the start point or, after a
// VERTEX, the latest vertex, 11/21/31 the end point, 40 the radius and, between 0.1 and 100, the
// text size, 50 the rotation and the arc's first angle, 51 its second. An arc is built from its
// centre, radius and the angles taken back as the writer gives them (negated and swapped).
//
// Elements read inside BLOCKS carry the id of the block they belong to as their group, and are
// indexed by it. The first INSERT of a block moves the block's elements by its insertion point;
// each later INSERT places copies, taken from where the block defined them, as a new group.
// Scale, rotation and base point of an insertion are not used. An INSERT inside a block places
// the named block the same way and nothing else: the entities after it still belong to the block
// being read, which does not take the placed elements in. An element of a block that is placed
// already (a block that inserted itself) goes where the block's other elements went.
//
// Elements that nothing can show (a polygon of fewer than two vertices, an empty text, an arc
// without radius) are not added.
//
// An entity whose element would carry a value the drawing file cannot write (not finite, or of
// more integer digits than the file holds, also once an arc's points are computed or a block is
// placed) is skipped and counted, as is one that the store refuses: with such an element no
// save of the drawing would succeed. An INSERT that would place any of its block's elements so
// is skipped whole, and counts once.
//
// One import makes at most kMaxElements elements, copies included: a few kilobytes of blocks
// inserted again and again would otherwise fill the memory. The import stops at the first element
// beyond, and its caller takes back what was made (removeMade).
class DxfEntityConverter {
public:
    // The import's memory rises to some 100 MB at most while the store grows towards this many.
    static constexpr int kMaxElements = 200000;

    DxfEntityConverter(Document& document, DxfTextFile& file);

    // Reads the next entity and converts it: 1 when the reading goes on, 0 at the end of the
    // file, on a read error, when an element could not be made, or when the import would make
    // more elements than it may (failed() tells, and tooManyElements()).
    [[nodiscard]] int convertEntity();
    [[nodiscard]] int failed() const { return failure; }
    [[nodiscard]] bool tooManyElements() const { return tooMany; }
    // The entities skipped for their values, and those of kinds that are not read.
    [[nodiscard]] int entitiesSkipped() const;
    // Removes every element the import made: the page holds what it held before.
    void removeMade();

private:
    // What the groups of an entity give.
    enum class Taken { Element, Nothing, Unwritable };

    // 1 converted, passed over or skipped, 0 when the editor could not make the element.
    [[nodiscard]] int convertToElement(int kind);
    void resetHolder(Element& holder, int kind);
    // Reads the entity's groups into the holder: Nothing for an element that nothing can show,
    // Unwritable for values that are not finite.
    [[nodiscard]] Taken takeGroups(Element& holder, int kind);
    // The id of the element in hand added to the page (addWritableElement), 0 when it is to be
    // skipped, -1 when the import has made as many elements as it may (nothing is added).
    [[nodiscard]] int addInHand();
    // Removes the elements made since the count was `first`.
    void removeMadeFrom(std::size_t first);
    [[nodiscard]] int placeBlock();
    // The block's elements moved from where the block defined them to the insertion, all of
    // them or, when one of them could not be written there, none.
    [[nodiscard]] bool moveBlock(const std::vector<int>& members, double dx, double dy);

    struct Placement {
        double x = 0.0;
        double y = 0.0;
        int placed = 0;
    };

    Document& document;
    DxfTextFile& file;
    ElementEditorBase* editor;
    int failure = 0;
    int skipped = 0;
    bool tooMany = false;
    // The ids of the elements made, in order.
    std::vector<int> made;
    // The elements of each block by its id, and where the block was first placed.
    std::unordered_map<int, std::vector<int>> blockElements;
    std::unordered_map<int, Placement> placements;
};
