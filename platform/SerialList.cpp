#include "platform/SerialList.h"

void* SerialList::getAt(int i)
{
    void* object = nullptr;
    return get(i, &object) ? object : nullptr;
}

void* SerialList::findBySerial(int serial, int& index)
{
    index = -1;
    BlockLock entries(*this);
    if (!entries)
        return nullptr;
    void** objects = entries.data<void*>();
    for (int i = 0; i < count; ++i) {
        if (objects[i] && serialOf_(objects[i]) == serial) {
            index = i;
            return objects[i];
        }
    }
    return nullptr;
}

int SerialList::removeBySerial(int serial)
{
    int index;
    if (!findBySerial(serial, index))
        return 0;
    return removeAt(index);
}

int SerialList::removeObject(const void* object)
{
    return object ? removeBySerial(serialOf_(object)) : 0;
}
