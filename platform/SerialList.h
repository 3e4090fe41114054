#pragma once
#include "platform/GlobalBlock.h"

// A list of object pointers (not owned) found by the serial number each object carries, as the
// window objects carry theirs. The list does not know the objects' class: it reads a serial
// through the function given at construction.
class SerialList : public GlobalBlock {
public:
    using SerialOf = int (*)(const void* object);

    explicit SerialList(SerialOf serialOf) : GlobalBlock(5, sizeof(void*)), serialOf_(serialOf) {}

    [[nodiscard]] int add(void* object) { return append(&object); }
    // Null when i is out of range.
    [[nodiscard]] void* getAt(int i);
    // The object with that serial and its index, or null and index -1.
    [[nodiscard]] void* findBySerial(int serial, int& index);
    // Later entries move down; 0 when no entry has the serial.
    [[nodiscard]] int removeBySerial(int serial);
    [[nodiscard]] int removeObject(const void* object);

private:
    SerialOf serialOf_;
};
