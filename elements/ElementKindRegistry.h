#pragma once
#include <cstdint>

#include "document/ElementKind.h"
#include "platform/GlobalBlock.h"

class Element;

// One record of the registry: the kind code, the display name (Shift-JIS) and the keyword, each
// zero-terminated, and 1 for a kind or 0 for an older keyword of one.
struct ElementKindRecord {
    uint32_t kind;
    char name[80];
    char keyword[80];
    uint32_t listed;
};

// The table that names the element kinds and the factory that makes and destroys elements by
// kind code. The application holds one, filled once at start-up; while it exists it gives undo
// the kinds' names (elementKindNameLookup).
class ElementKindRegistry {
public:
    // The element classes by code (row code - 1): each kind's maker, null while a kind is not
    // built (the registry then makes nothing of that code).
    using Factory = Element* (*)();
    static Factory factories[19];

    // Empty, with room for 30 records.
    ElementKindRegistry();
    virtual ~ElementKindRegistry();
    ElementKindRegistry(const ElementKindRegistry&) = delete;
    ElementKindRegistry& operator=(const ElementKindRegistry&) = delete;

    // Empties the table, then registers the nineteen kinds in code order and the alias "angle".
    virtual void fillTable();
    // A new element of the kind, initialised and with self set; its context, kind code, page and
    // id are still unset. Null for a code outside 1..19, a kind not built or when memory ran out.
    [[nodiscard]] virtual Element* createElement(int kind);
    // Tears the element down and deletes it; 0 for a null element. For a code outside 1..19
    // (an element whose kind was never set) beforeDelete runs before the delete.
    virtual int destroyElement(int kind, Element* element);

    [[nodiscard]] int kindCount() const { return records.count; }
    // The record at index (registration order); all zero for an index outside the table.
    void recordAt(ElementKindRecord& out, int index);
    // The index of the first record with the code, -1 for none.
    [[nodiscard]] int indexOfKind(int kind);
    // 1 and the display name (at most size - 1 bytes, never a split character), or 0 and an
    // empty text for a code that is not registered.
    [[nodiscard]] int nameOfKind(int kind, char* buffer, int size = 80);
    // Appends a record built from the two texts (each cut to 79 bytes); 0 when the table
    // could not grow.
    [[nodiscard]] int addKind(int kind, const char* name, const char* keyword, int listed);

private:
    GlobalBlock records;
};

// The application's registry (null outside a run); start-up makes it (makeKindRegistry) and
// deletes it at exit.
extern ElementKindRegistry* theKindRegistry;

// A new registry with its table filled; null when memory ran out.
[[nodiscard]] ElementKindRegistry* makeKindRegistry();
