#include "shell/ShortcutKeyTable.h"

#include <memory>
#include <new>
#include <windows.h>

#include "platform/Application.h"
#include "platform/StringUtil.h"
#include "resources/ids.h"

namespace {
const int kTableGrowth = 50;
const int kCommandGrowth = 20;
const int kFunctionKeys = 15;
const char kSystemLabel[] = "system";

// The keys the program keeps: Ctrl with A N O P Q S V W X Y Z, and F10 with every modifier.
struct Reserved {
    int shift, ctrl, key;
};
const Reserved kReserved[] = {
    {0, 1, 'A'}, {0, 1, 'N'}, {0, 1, 'O'}, {0, 1, 'P'}, {0, 1, 'Q'}, {0, 1, 'S'}, {0, 1, 'V'}, {0, 1, 'W'},
    {0, 1, 'X'}, {0, 1, 'Y'}, {0, 1, 'Z'}, {0, 0, 110},  {1, 0, 110}, {0, 1, 110}, {1, 1, 110},
};

// The key of an accelerator as the table names it; 0 for one the table cannot hold (with Alt,
// or a character typed without Ctrl).
int keyOfAccelerator(const ACCEL& accelerator, int& shift, int& ctrl, int& key)
{
    if (accelerator.fVirt & FALT)
        return 0;
    shift = (accelerator.fVirt & FSHIFT) ? 1 : 0;
    ctrl = (accelerator.fVirt & FCONTROL) ? 1 : 0;
    const int code = accelerator.key;
    if (!(accelerator.fVirt & FVIRTKEY)) {
        // A character: Ctrl with a letter types the codes 1 to 26.
        if (code < 1 || code > 26)
            return 0;
        ctrl = 1;
        key = 'A' + code - 1;
        return 1;
    }
    if (code >= VK_F1 && code <= VK_F24)
        key = ShortcutKeyTable::kFunctionKeyBase + code - VK_F1 + 1;
    else
        key = code; // digits and letters are their own virtual-key codes
    return 1;
}
} // namespace

ShortcutKeyTable::ShortcutKeyTable() : records(kTableGrowth, sizeof(Record)) {}

void ShortcutKeyTable::keyName(int shift, int ctrl, int key, char* out, int size)
{
    if (!out || size < 1)
        return;
    out[0] = 0;
    const int isFunction = key > kFunctionKeyBase && key <= kFunctionKeyBase + 24;
    const int isCharacter = (key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z');
    if (!isFunction && !isCharacter)
        return;
    if (shift)
        StringUtil::append(out, size, "Shift+");
    if (ctrl)
        StringUtil::append(out, size, "Ctrl+");
    if (isCharacter) {
        StringUtil::appendChar(out, size, static_cast<char>(key));
        return;
    }
    StringUtil::append(out, size, "F");
    StringUtil::appendInt(out, size, key - kFunctionKeyBase);
}

int ShortcutKeyTable::append(int shift, int ctrl, int key)
{
    Record record = {};
    record.shift = shift;
    record.ctrl = ctrl;
    record.key = key;
    return records.append(&record);
}

int ShortcutKeyTable::reserve(int shift, int ctrl, int key)
{
    const int index = find(shift, ctrl, key);
    Record record;
    if (index < 0 || !records.get(index, &record))
        return 0;
    record.system = 1;
    record.command = 0;
    StringUtil::copy(record.label, kSystemLabel);
    return records.put(index, &record);
}

int ShortcutKeyTable::setup()
{
    records.count = 0;
    const int modifiers[4][2] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
    for (const auto& m : modifiers)
        for (int n = 1; n <= kFunctionKeys; ++n)
            if (!append(m[0], m[1], kFunctionKeyBase + n))
                return 0;
    for (int shift = 0; shift <= 1; ++shift) {
        for (int key = '0'; key <= '9'; ++key)
            if (!append(shift, 1, key))
                return 0;
        for (int key = 'A'; key <= 'Z'; ++key)
            if (!append(shift, 1, key))
                return 0;
    }
    for (const Reserved& r : kReserved)
        if (!reserve(r.shift, r.ctrl, r.key))
            return 0;
    return reserveAcceleratorKeys();
}

int ShortcutKeyTable::reserveAcceleratorKeys()
{
    // The message pump offers a key to the frame's accelerators before the shortcuts, so a
    // command bound to a key they own would never run. A table loaded from the resources is the
    // system's (the frame may be given the same handle): it is read here, never destroyed.
    HACCEL table = LoadAcceleratorsA(programInstance(), MAKEINTRESOURCEA(IDA_MAIN_FRAME));
    const int count = table ? CopyAcceleratorTableA(table, nullptr, 0) : 0;
    if (count < 1)
        return 1;
    std::unique_ptr<ACCEL[]> accelerators(new (std::nothrow) ACCEL[static_cast<size_t>(count)]);
    if (!accelerators)
        return 0;
    const int copied = CopyAcceleratorTableA(table, accelerators.get(), count);
    for (int i = 0; i < copied; ++i) {
        int shift = 0, ctrl = 0, key = 0;
        if (keyOfAccelerator(accelerators[i], shift, ctrl, key) && find(shift, ctrl, key) >= 0 &&
            !reserve(shift, ctrl, key))
            return 0;
    }
    return 1;
}

int ShortcutKeyTable::recordAt(int index, Record& out) { return records.get(index, &out); }

int ShortcutKeyTable::find(int shift, int ctrl, int key)
{
    BlockLock lock(records);
    const Record* all = lock.data<Record>();
    for (int i = 0; all && i < records.count; ++i)
        if (all[i].shift == shift && all[i].ctrl == ctrl && all[i].key == key)
            return i;
    return -1;
}

int ShortcutKeyTable::findByName(const char* name)
{
    if (!name)
        return -1;
    BlockLock lock(records);
    const Record* all = lock.data<Record>();
    for (int i = 0; all && i < records.count; ++i) {
        char own[kNameSize];
        keyName(all[i].shift, all[i].ctrl, all[i].key, own, sizeof own);
        if (StringUtil::equals(own, name))
            return i;
    }
    return -1;
}

int ShortcutKeyTable::commandOf(int shift, int ctrl, int key)
{
    Record record;
    const int index = find(shift, ctrl, key);
    if (index < 0 || !records.get(index, &record) || record.system)
        return 0;
    return record.command;
}

int ShortcutKeyTable::bind(int index, int command, const char* label)
{
    Record record;
    if (!records.get(index, &record) || record.system)
        return 0;
    record.command = command;
    StringUtil::copy(record.label, label ? label : "");
    return records.put(index, &record);
}

void ShortcutKeyTable::unbindAll()
{
    BlockLock lock(records);
    Record* all = lock.data<Record>();
    for (int i = 0; all && i < records.count; ++i) {
        all[i].command = 0;
        if (!all[i].system)
            all[i].label[0] = 0;
    }
}

int ShortcutKeyTable::copyFrom(const ShortcutKeyTable& other)
{
    if (this == &other)
        return 1;
    return records.copyAll(other.records);
}

ShortcutCommandList::ShortcutCommandList() : entries(kCommandGrowth, sizeof(Entry)) {}

int ShortcutCommandList::add(int command, const char* label)
{
    {
        BlockLock lock(entries);
        const Entry* all = lock.data<Entry>();
        for (int i = 0; all && i < entries.count; ++i)
            if (all[i].command == command)
                return 1;
    }
    Entry entry = {};
    entry.command = command;
    StringUtil::copy(entry.label, label ? label : "");
    return entries.append(&entry);
}

int ShortcutCommandList::entryAt(int index, Entry& out) { return entries.get(index, &out); }

int ShortcutCommandList::findLabel(const char* label)
{
    if (!label)
        return -1;
    BlockLock lock(entries);
    const Entry* all = lock.data<Entry>();
    for (int i = 0; all && i < entries.count; ++i)
        if (StringUtil::equals(all[i].label, label))
            return i;
    return -1;
}
