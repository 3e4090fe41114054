#include "shell/settings/SettingsKeyTable.h"

#include "platform/StringUtil.h"
#include "shell/settings/SettingsIds.h"

namespace {

struct BuiltIn {
    int id;
    int kind;
    const char* name;
};

// Sections first, then their keys.
const BuiltIn kBuiltIns[] = {
    {settings_id::DispToolbar, SettingsKeyTable::kSection, "DISPTOOLBAR"},
    {settings_id::FontChangeTable, SettingsKeyTable::kSection, "FONTCHGTABLE"},
    {settings_id::ShortcutKeyTable, SettingsKeyTable::kSection, "SHORTCUTKEYTABLE"},
    {settings_id::PsFontFaceTable, SettingsKeyTable::kSection, "PSFONTFACETABLE"},
    {settings_id::PdfFontFaceTable, SettingsKeyTable::kSection, "PDFFONTFACETABLE"},
    {settings_id::DispToolHint, SettingsKeyTable::kKey, "DISPTOOLHINT"},
    {settings_id::DispToolbarPos, SettingsKeyTable::kKey, "DISPTLBARPOS"},
    {settings_id::FontIntoDisplay, SettingsKeyTable::kKey, "FONTINTODSP"},
    {settings_id::ShortcutKey, SettingsKeyTable::kKey, "SHORTCUTKEY"},
    {settings_id::PsNameFace, SettingsKeyTable::kKey, "PSNAMEFACE"},
    {settings_id::PsTrueTypeName, SettingsKeyTable::kKey, "PSTT2NAME"},
    {settings_id::PdfNameFace, SettingsKeyTable::kKey, "PDFNAMEFACE"},
    {settings_id::PdfTrueTypeName, SettingsKeyTable::kKey, "PDFTT2NAME"},
};

} // namespace

SettingsKeyTable::SettingsKeyTable()
{
    records.reserve(256);
    for (const BuiltIn& entry : kBuiltIns)
        add(entry.id, entry.kind, entry.name);
}

void SettingsKeyTable::add(int id, int kind, const char* name)
{
    Record record{id, kind, {}};
    StringUtil::copy(record.name, name ? name : "");
    const int index = count();
    records.push_back(record);
    byId.emplace(id, index);
    byName.emplace(record.name, index);
}

int SettingsKeyTable::indexOfId(int id) const
{
    auto found = byId.find(id);
    return found == byId.end() ? -1 : found->second;
}

int SettingsKeyTable::indexOfName(const char* name) const
{
    auto found = byName.find(name ? name : "");
    return found == byName.end() ? -1 : found->second;
}

const char* SettingsKeyTable::findName(int id) const
{
    const int index = indexOfId(id);
    return index < 0 ? nullptr : at(index).name;
}

int SettingsKeyTable::nameOf(int id, char* out, int size) const
{
    const char* name = findName(id);
    if (!name || !out || size < 1)
        return 0;
    StringUtil::copy(out, size, name);
    return 1;
}

int SettingsKeyTable::lookupName(const char* name, int& id, int& kind) const
{
    const int index = indexOfName(name);
    if (index < 0)
        return 0;
    id = at(index).id;
    kind = at(index).kind;
    return 1;
}
