#pragma once
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
// Scale, rotation and base point of an insertion are not used. Elements that nothing can show
// (a polygon of fewer than two vertices, an empty text, an arc without radius) are not added.
//
// An entity whose element would carry a value the drawing file cannot write (not finite, or of
// more integer digits than the file holds, also once an arc's points are computed or a block is
// placed) is skipped and counted, as is one that the store refuses: with such an element no
// save of the drawing would succeed. An INSERT that would place any of its block's elements so
// is skipped whole, and counts once.
class DxfEntityConverter {
public:
    DxfEntityConverter(Document& document, DxfTextFile& file);

    // Reads the next entity and converts it: 1 when the reading goes on, 0 at the end of the
    // file, on a read error, or when an element could not be made (failed() tells).
    [[nodiscard]] int convertEntity();
    [[nodiscard]] int failed() const { return failure; }
    // The entities skipped for their values, and those of kinds that are not read.
    [[nodiscard]] int entitiesSkipped() const;

private:
    // What the groups of an entity give.
    enum class Taken { Element, Nothing, Unwritable };

    // 1 converted, passed over or skipped, 0 when the editor could not make the element.
    [[nodiscard]] int convertToElement(int kind);
    void resetHolder(Element& holder, int kind);
    // Reads the entity's groups into the holder: Nothing for an element that nothing can show,
    // Unwritable for values that are not finite.
    [[nodiscard]] Taken takeGroups(Element& holder, int kind);
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
    // The elements of each block by its id, and where the block was first placed.
    std::unordered_map<int, std::vector<int>> blockElements;
    std::unordered_map<int, Placement> placements;
    // The copies placed by the insertion being read.
    std::vector<int> copies;
};
