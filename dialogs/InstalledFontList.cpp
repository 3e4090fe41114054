#include "dialogs/InstalledFontList.h"

#include "platform/Control.h"
#include "platform/FontInfo.h"
#include "platform/GlobalBlock.h"
#include "platform/StringUtil.h"

InstalledFontList::InstalledFontList()
{
    fill();
    FontInfo info;
    info.chooseDefaultFace();
    StringUtil::copy(defaultFace, info.getFaceName());
}

void InstalledFontList::fill()
{
    faces_.clear();
    index_.clear();
    asked_.clear();
    GlobalBlock block(20, sizeof(FaceRecord));
    FontInfo info;
    info.trueTypeOnly = 0; // every installed family can be shown
    if (!info.listFamilies(&block))
        return;
    FaceRecord record;
    for (int i = 0; i < block.count; ++i) {
        if (!block.get(i, &record))
            continue;
        record.faceName[sizeof record.faceName - 1] = 0;
        if (index_.emplace(record.faceName, count()).second)
            faces_.emplace_back(record.faceName);
    }
    (void)block.free(); // a block the system does not take back is lost either way
    if (current >= count())
        current = 0;
}

int InstalledFontList::indexOf(const char* name) const
{
    auto found = index_.find(name ? name : "");
    return found == index_.end() ? -1 : found->second;
}

const char* InstalledFontList::get(int index) const
{
    return index >= 0 && index < count() ? faces_[static_cast<size_t>(index)].c_str() : nullptr;
}

int InstalledFontList::isInstalled(const char* name)
{
    if (!name || !name[0])
        return 0;
    if (indexOf(name) >= 0)
        return 1;
    auto asked = asked_.find(name);
    if (asked != asked_.end())
        return asked->second;
    FontInfo info;
    const int installed = info.hasFace(name);
    asked_.emplace(name, installed);
    return installed;
}

int InstalledFontList::fillComboBox(Control* combo) const
{
    if (!combo)
        return 0;
    (void)combo->reset(); // a list that cannot be emptied still takes the faces
    for (const std::string& face : faces_)
        (void)combo->addString(face.c_str()); // a face the list refuses is left out
    return 1;
}

int InstalledFontList::selectInComboBox(Control* combo) const
{
    if (!combo || !get(current))
        return 0;
    return combo->select(current + 1); // combo items count from 1
}

int InstalledFontList::readComboBox(Control* combo)
{
    if (!combo)
        return 0;
    const int chosen = combo->getSelection() - 1;
    if (chosen >= 0 && chosen < count())
        current = chosen;
    return 1;
}
