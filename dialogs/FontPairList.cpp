#include "dialogs/FontPairList.h"

#include "platform/StringUtil.h"

namespace {
const char* orEmpty(const char* text) { return text ? text : ""; }
} // namespace

int FontPairList::add(const char* readName, const char* displayName)
{
    FontPair pair;
    StringUtil::copy(pair.readName, orEmpty(readName));
    StringUtil::copy(pair.displayName, orEmpty(displayName));
    if (pairs_.capacity() == pairs_.size())
        pairs_.reserve(pairs_.size() < 20 ? 20 : pairs_.size() * 2);
    pairs_.push_back(pair);
    index_.emplace(pair.readName, count() - 1); // a name met before keeps its first row
    return 1;
}

void FontPairList::assign(const FontPairList& other)
{
    if (&other == this)
        return;
    pairs_ = other.pairs_;
    index_ = other.index_;
}

const FontPair* FontPairList::get(int index) const
{
    return index >= 0 && index < count() ? &pairs_[static_cast<size_t>(index)] : nullptr;
}

const char* FontPairList::readNameAt(int index) const
{
    const FontPair* pair = get(index);
    return pair ? pair->readName : nullptr;
}

const char* FontPairList::displayNameAt(int index) const
{
    const FontPair* pair = get(index);
    return pair ? pair->displayName : nullptr;
}

int FontPairList::setDisplayName(int index, const char* name)
{
    if (!get(index))
        return 0;
    StringUtil::copy(pairs_[static_cast<size_t>(index)].displayName, orEmpty(name));
    return 1;
}

int FontPairList::remove(int index)
{
    if (!get(index))
        return 0;
    pairs_.erase(pairs_.begin() + index);
    reindex();
    return 1;
}

void FontPairList::clear()
{
    pairs_.clear();
    index_.clear();
}

void FontPairList::reindex()
{
    index_.clear();
    for (int i = 0; i < count(); ++i)
        index_.emplace(pairs_[static_cast<size_t>(i)].readName, i);
}

int FontPairList::indexOf(const char* readName) const
{
    // A name is compared as the rows keep it: cut to 255 bytes.
    char key[FontPair::kNameSize];
    StringUtil::copy(key, orEmpty(readName));
    auto found = index_.find(key);
    return found == index_.end() ? -1 : found->second;
}

int FontPairList::findOrAdd(const char* readName, const char* displayName, int& added)
{
    added = 0;
    const int found = indexOf(readName);
    if (found >= 0)
        return found;
    if (!add(readName, displayName))
        return -1;
    added = 1;
    return count() - 1;
}
