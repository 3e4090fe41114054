#include "dialogs/colour/NamedColorTable.h"

#include <windows.h>

#include "platform/Application.h"
#include "platform/RgbColor.h"
#include "platform/StringUtil.h"

NamedColorTable* theUserColorTable = nullptr;
NamedColorTable* theDicColorTable = nullptr;

namespace {
int clampPercent(int v) { return v < 0 ? 0 : v > 100 ? 100 : v; }
} // namespace

void ColorEntry::setInks(const int values[4])
{
    for (int i = 0; i < 4; ++i)
        inks[i] = clampPercent(values[i]);
    RgbColor colour;
    colour.setInks(inks);
    colour.getRgbArray(rgb);
}

void ColorEntry::setName(const char* text) { StringUtil::copy(name, text ? text : ""); }

NamedColorTable::NamedColorTable(const char* fileName)
{
    char folder[MAX_PATH] = {};
    if (theApplication)
        theApplication->getProgramFolder(folder, sizeof folder);
    path_ = std::string(folder) + (fileName ? fileName : "");
    entries_.reserve(100);
}

int NamedColorTable::append(const ColorEntry& entry) { return insertAt(count(), entry); }

int NamedColorTable::insertAt(int i, const ColorEntry& entry)
{
    if (i < 0)
        return 0;
    if (i > count())
        i = count();
    entries_.insert(entries_.begin() + i, entry);
    return 1;
}

int NamedColorTable::removeAt(int i)
{
    if (!getAt(i))
        return 0;
    entries_.erase(entries_.begin() + i);
    return 1;
}

int NamedColorTable::replaceAt(int i, const ColorEntry& entry)
{
    if (!getAt(i))
        return 0;
    entries_[static_cast<size_t>(i)] = entry;
    return 1;
}

const ColorEntry* NamedColorTable::getAt(int i) const
{
    return i >= 0 && i < count() ? &entries_[static_cast<size_t>(i)] : nullptr;
}

int NamedColorTable::findByNumber(int number) const
{
    for (int i = 0; i < count(); ++i)
        if (entries_[static_cast<size_t>(i)].number == number)
            return i;
    return -1;
}

void NamedColorTable::afterEdit()
{
    modified = 1;
    if (firstVisible >= count())
        firstVisible = count() > 0 ? count() - 1 : 0;
    drawList();
}

int NamedColorTable::insertBeforeCurrent(const ColorEntry& entry)
{
    if (!getCurrent() || !insertAt(current, entry))
        return 0;
    afterEdit();
    return 1;
}

int NamedColorTable::insertAfterCurrent(const ColorEntry& entry)
{
    if (!insertAt(getCurrent() ? current + 1 : count(), entry))
        return 0;
    afterEdit();
    return 1;
}

int NamedColorTable::changeCurrent(const ColorEntry& entry)
{
    if (!replaceCurrent(entry))
        return 0;
    afterEdit();
    return 1;
}

int NamedColorTable::deleteCurrent()
{
    if (!removeAt(current))
        return 0;
    current = -1;
    afterEdit();
    return 1;
}

int NamedColorTable::renameCurrent(const char* name)
{
    if (!getCurrent())
        return 0;
    entries_[static_cast<size_t>(current)].setName(name);
    afterEdit();
    return 1;
}
