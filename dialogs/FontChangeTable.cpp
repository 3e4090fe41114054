#include "geometry/FontChangeTable.h"

#include "dialogs/FontChangeDialog.h"
#include "dialogs/FontPairList.h"
#include "dialogs/InstalledFontList.h"
#include "geometry/SettingsFile.h"
#include "platform/StringUtil.h"

namespace {
// The settings section "FONTCHGTABLE" and its key "FONTINTODSP".
const int kSection = 10120;
const int kRowKey = 10121;
} // namespace

FontChangeTable::FontChangeTable() : pairs_(new FontPairList), faces_(new InstalledFontList) {}

FontChangeTable::~FontChangeTable() = default;

int FontChangeTable::lookUp(const char* face, int& added)
{
    added = 0;
    // A face without a name is no face to replace.
    if (!face || !face[0] || faces_->isInstalled(face))
        return -1;
    int rowAdded = 0;
    const int row = pairs_->findOrAdd(face, faces_->defaultFace, rowAdded);
    if (rowAdded) {
        ++addedCount;
        added = 1;
    }
    return row;
}

int FontChangeTable::displayName(int row, char* out, int size)
{
    const char* name = pairs_->displayNameAt(row);
    if (!name || !out || size < 1)
        return 0;
    StringUtil::copy(out, size, name);
    return 1;
}

void FontChangeTable::showIfChanged()
{
    if (addedCount >= 1)
        (void)edit(0); // a cancelled dialog keeps the rows as they were
}

int FontChangeTable::edit(int allowDelete)
{
    FontPairList rows;
    rows.assign(*pairs_);
    FontChangeDialog dialog(rows, *faces_, allowDelete);
    if (dialog.run() != 1)
        return 0;
    pairs_->assign(rows);
    return 1;
}

int FontChangeTable::loadSettings(SettingsFile& file)
{
    while (file.readKey()) {
        if (file.currentKind() == SettingsFile::kSection)
            return 1;
        if (file.currentId() != kRowKey)
            continue;
        char readName[FontPair::kNameSize];
        char shownName[FontPair::kNameSize];
        // A row without its comma or its second name is passed over; the next rows are read.
        if (!file.readString(readName, sizeof readName) || !file.getDelimiterFlag(SettingsFile::kComma) ||
            !file.readString(shownName, sizeof shownName))
            continue;
        if (faces_->isInstalled(readName) || !faces_->isInstalled(shownName))
            continue;
        int added = 0;
        (void)pairs_->findOrAdd(readName, shownName, added); // a known row keeps its display name
    }
    return 1;
}

int FontChangeTable::saveSettings(SettingsFile& file) const
{
    if (!file.writeSection(kSection))
        return 0;
    for (int row = 0; row < pairs_->count(); ++row) {
        const FontPair& pair = *pairs_->get(row);
        if (!file.writeKey(kRowKey) || !file.writeQuoted(pair.readName, 1, 0) || !file.writeQuoted(pair.displayName, 0, 1))
            return 0;
    }
    return 1;
}
