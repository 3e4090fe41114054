#include "io/dxf/DxfTextFile.h"

#include <cstring>

#include "io/dxf/DxfKeywords.h"
#include "platform/StringUtil.h"

namespace {
// Block names are told apart by this many bytes.
const int kBlockNameBytes = 40;
} // namespace

DxfTextFile::DxfTextFile() = default;

DxfTextFile::~DxfTextFile() = default;

int DxfTextFile::openForRead()
{
    current.clearGroups();
    current.section = DxfEntity::kNoSection;
    current.kind = 0;
    pushedBack = 0;
    versionNext = false;
    utf8Text = false;
    sectionsFound = false;
    passedOver = 0;
    group.reset();
    blocks.clear();
    return DataFile::openForRead();
}

int DxfTextFile::openForWrite()
{
    pending.clear();
    pointsInEntity = 0;
    droppingEntity = 0;
    return DataFile::openForWrite();
}

int DxfTextFile::close()
{
    current.clearGroups();
    current.kind = 0;
    return DataFile::close();
}

int DxfTextFile::nextBlockId()
{
    blockCounter += blockStep;
    return blockCounter;
}

int DxfTextFile::blockIdByName(const char* name) const
{
    if (!name)
        return 0;
    char key[kBlockNameBytes + 1];
    StringUtil::copy(key, name);
    auto found = blocks.find(key);
    return found == blocks.end() ? 0 : found->second;
}

int DxfTextFile::readGroup()
{
    if (pushedBack) {
        pushedBack = 0;
        return 1;
    }
    group.reset();
    char line[DxfGroup::kTextSize];
    // An empty code line ends the reading as the end of the file does.
    if (readLine(line, sizeof line) < 1)
        return 0;
    group.code = DxfGroup::parseCode(line);
    group.type = DxfGroup::typeOf(group.code);
    const int length = readLine(group.text, sizeof group.text);
    if (length < 0)
        return 0;
    group.setValue(group.text, length);
    return 1;
}

int DxfTextFile::collectEntity(int polyline)
{
    if (!current.addGroup(group))
        return 0;
    while (readGroup()) {
        if (group.code == 0) {
            // A polyline runs on through its vertices to its SEQEND, which ends it unread; one cut
            // short of its SEQEND ends at the next entity, as every other entity does.
            if (polyline && group.keyword == dxf_keyword::kSeqend)
                break;
            if (!polyline || group.keyword != dxf_keyword::kVertex) {
                pushBack();
                break;
            }
        }
        if (!current.addGroup(group))
            return 0;
    }
    return 1;
}

void DxfTextFile::registerBlocks()
{
    while (readGroup()) {
        if (group.code == 0) {
            pushBack();
            return;
        }
        if (group.code != 2)
            continue;
        char key[kBlockNameBytes + 1];
        StringUtil::copy(key, group.text);
        readingBlock = nextBlockId();
        (void)blocks.emplace(key, readingBlock); // a name given twice keeps its first block
    }
}

int DxfTextFile::readEntity()
{
    current.kind = 0;
    current.clearGroups();
    if (!readGroup())
        return 0;
    const int section = current.section;
    if (section != dxf_keyword::kBlocks && section != dxf_keyword::kEntities) {
        // Everything outside BLOCKS and ENTITIES is consumed here, one group per step; of the
        // header only the version is kept, for the code page of the texts.
        if (section == dxf_keyword::kHeader && group.code == 9) {
            versionNext = group.keyword == dxf_keyword::kAcadVer;
            return 1;
        }
        if (versionNext && group.code == 1) {
            versionNext = false;
            const char* version = group.text;
            utf8Text = std::strncmp(version, "AC", 2) == 0 && StringUtil::parseInt(version + 2) >= 1021;
            return 1;
        }
        if (group.code != 0)
            return 1;
        if (group.keyword == dxf_keyword::kSection) {
            sectionsFound = true;
            if (!readGroup())
                return 0;
            current.section = group.keyword;
        } else if (group.keyword == dxf_keyword::kEndSection) {
            current.section = DxfEntity::kNoSection;
        } else if (group.keyword == dxf_keyword::kEof) {
            sectionsFound = true;
            current.section = dxf_keyword::kEof;
        }
        return 1;
    }
    if (group.code != 0)
        return 1; // a group of an entity that is not read
    switch (group.keyword) {
    case dxf_keyword::kEndSection:
        current.section = DxfEntity::kNoSection;
        return 1;
    case dxf_keyword::kBlock:
        registerBlocks();
        return 1;
    case dxf_keyword::kArc:
    case dxf_keyword::kInsert:
    case dxf_keyword::kLine:
    case dxf_keyword::kText:
        current.kind = group.keyword;
        return collectEntity(0);
    case dxf_keyword::kPolyline:
        current.kind = group.keyword;
        return collectEntity(1);
    default:
        // ENDBLK, a VERTEX or SEQEND out of place, or an entity of a kind that is not read: only
        // the names of the file's structure are keywords.
        if (group.keyword < 0)
            ++passedOver;
        return 1;
    }
}
