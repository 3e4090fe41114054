// The parts library's list of part files, its settings section, the "setParts" section of part
// files, the current part and the registration of a selection.
#include "document/PartsLibrary.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <string>
#include <vector>
#include <windows.h>

#include "document/ApplicationErrorFlag.h"
#include "document/DocumentContext.h"
#include "document/ElementEditorBase.h"
#include "document/ElementStore.h"
#include "document/PartFile.h"
#include "document/PartsPane.h"
#include "document/RegisterPartDialog.h"
#include "document/Selection.h"
#include "document/ViewUpdater.h"
#include "geometry/DoubleRect.h"
#include "geometry/SettingsFile.h"
#include "geometry/TagIds.h"
#include "platform/Application.h"
#include "platform/StringUtil.h"
#include "resources/ids.h"

namespace {

// A path a list entry holds: not empty, at most 259 bytes.
bool fitsEntry(const char* path)
{
    const int n = path ? StringUtil::length(path) : 0;
    return n > 0 && n < FileName::pathCapacity;
}

// The settings value of a path is read whole, so that an over-long one is recognised and left
// out rather than cut into another path.
const int kSettingsPathSize = 1024;

} // namespace

PartsLibrary::PartsLibrary(int libraryNumber) : number(libraryNumber) {}

PartsLibrary::~PartsLibrary() { releaseLoadedPart(); }

int PartsLibrary::partPath(int index, char* out, int size) { return parts.getPathAt(index, out, size); }

int PartsLibrary::partName(int index, char* out, int size)
{
    char path[FileName::pathCapacity];
    if (!out || size < 1 || !parts.getPathAt(index, path))
        return 0;
    StringUtil::copy(out, size, path + fileNameStart(path));
    return 1;
}

int PartsLibrary::addListed(const char* path)
{
    if (!fitsEntry(path) || parts.count >= kMaxParts)
        return 0;
    if (parts.contains(path))
        return 1;
    // The record's two integers are kept as 0: nothing reads them.
    FileRecord record = {};
    StringUtil::copy(record.path, path);
    return parts.add(record);
}

int PartsLibrary::addPart(const char* path)
{
    const int before = parts.count;
    const int ok = addListed(path);
    if (parts.count != before)
        listChanged();
    return ok;
}

int PartsLibrary::removePart(int index)
{
    if (index < 0 || index >= parts.count || !parts.removeAt(index))
        return 0;
    // The later pictures move down with their entries; a cache that does not match is rebuilt.
    if (!thumbnails.removeAt(index))
        (void)thumbnails.resize(parts.count); // an empty cache draws the parts again
    if (current == index) {
        current = -1;
        releaseLoadedPart();
        currentPath[0] = 0;
    } else if (current > index) {
        --current;
    }
    if (pane) {
        pane->setPartsRange(current + 1 >= 1 ? current + 1 : -1, parts.count);
        pane->repaint();
    }
    return 1;
}

int PartsLibrary::listFolder(const char* folder)
{
    if (!folder || !folder[0])
        return 0;
    char pattern[FileName::pathCapacity];
    StringUtil::copy(pattern, folder);
    const int n = StringUtil::length(pattern);
    if (n > 0 && pattern[n - 1] != '\\')
        StringUtil::append(pattern, "\\");
    const int folderLength = StringUtil::length(pattern);
    if (folderLength + 5 >= FileName::pathCapacity)
        return 0;
    StringUtil::append(pattern, "*.ycx");
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern, &found);
    std::vector<std::string> names;
    if (search == INVALID_HANDLE_VALUE) {
        if (GetLastError() != ERROR_FILE_NOT_FOUND)
            return 0;
    } else {
        do {
            FileName name;
            // The pattern also matches longer extensions ("a.ycxz") through short names.
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name.setPath(found.cFileName) &&
                name.hasExtension("ycx") && names.size() < static_cast<size_t>(kMaxParts))
                names.push_back(found.cFileName);
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return StringUtil::compareNoCase(a.c_str(), b.c_str()) < 0; });
    parts.count = 0;
    for (const std::string& name : names) {
        char path[FileName::pathCapacity];
        StringUtil::copyN(path, pattern, folderLength);
        if (folderLength + static_cast<int>(name.size()) < FileName::pathCapacity) {
            StringUtil::append(path, name.c_str());
            (void)addListed(path); // a list that cannot grow has told the user; it keeps what it took
        }
    }
    current = -1;
    releaseLoadedPart();
    currentPath[0] = 0;
    listChanged();
    return 1;
}

void PartsLibrary::listChanged()
{
    // A cache that cannot be sized is empty: the pane shows file names.
    (void)thumbnails.resize(parts.count);
    if (pane) {
        pane->setPartsRange(current >= 0 ? current + 1 : -1, parts.count);
        pane->repaint();
    }
}

DocumentContext* PartsLibrary::makePartContext()
{
    auto* context = new (std::nothrow) DocumentContext;
    if (!context)
        return nullptr;
    // As before a drawing is opened, errors shown earlier (about another part file, say) are
    // cleared: they would stop the creation of every later part's members.
    if (theApplication)
        theApplication->errorCount = 0;
    context->createMembers();
    if (applicationErrorFlag()) {
        // A context that could not be made whole is not used.
        delete context;
        return nullptr;
    }
    context->linkManagers();
    return context;
}

void PartsLibrary::releaseLoadedPart()
{
    delete loadedContext;
    loadedContext = nullptr;
    loaded = 0;
}

int PartsLibrary::selectPart(int index)
{
    char path[FileName::pathCapacity];
    if (index < 0 || !parts.getPathAt(index, path))
        return 0;
    if (index != current || !StringUtil::equals(path, currentPath)) {
        releaseLoadedPart();
        StringUtil::copy(currentPath, path);
    }
    current = index;
    if (pane) {
        pane->setPartsRange(current + 1, parts.count);
        pane->repaint();
    }
    return 1;
}

int PartsLibrary::setCurrentPartFile(const char* path)
{
    if (!fitsEntry(path))
        return 0;
    if (!StringUtil::equals(path, currentPath)) {
        releaseLoadedPart();
        StringUtil::copy(currentPath, path);
    }
    return 1;
}

int PartsLibrary::loadCurrentPart()
{
    if (loaded)
        return 1;
    if (!currentPath[0])
        return 0;
    releaseLoadedPart();
    loadedContext = makePartContext();
    if (!loadedContext)
        return 0;
    PartFile file(*this);
    const int whole = file.read(currentPath, *loadedContext, 1);
    // What could be read of a damaged part is placed; a part with nothing readable is not loaded.
    ElementStore* store = loadedContext->ownStore;
    loaded = whole || (store && store->pageTable && store->pageTable->getCount(1) > 0);
    if (!loaded)
        releaseLoadedPart();
    return loaded;
}

int PartsLibrary::selectionExtent(DocumentContext* drawing, DoubleRect& extent)
{
    ElementEditorBase* editor = DocumentContext::toolEditorOf(drawing);
    GlobalBlock ids(100, 4);
    const int n = editor ? selectedIdsOf(drawing, ids) : 0;
    int measured = 0;
    for (int i = 0; i < n; ++i) {
        int32_t id = 0;
        DoubleRect one;
        if (!ids.get(i, &id) || !editor->elementExtent(id, one))
            continue;
        if (!measured) {
            extent = one;
        } else {
            extent.minX = std::min(extent.minX, one.minX);
            extent.minY = std::min(extent.minY, one.minY);
            extent.maxX = std::max(extent.maxX, one.maxX);
            extent.maxY = std::max(extent.maxY, one.maxY);
        }
        measured = 1;
    }
    return measured;
}

void PartsLibrary::setOriginChoice(int choice, const DoubleRect& extent, DocumentContext* drawing)
{
    if (choice < kTopLeft || choice > kBottomRight)
        return;
    originChoice = choice;
    const double xs[3] = {extent.minX, (extent.minX + extent.maxX) / 2.0, extent.maxX};
    // Drawing coordinates grow downwards: the top row is the extent's minimum y.
    const double ys[3] = {extent.minY, (extent.minY + extent.maxY) / 2.0, extent.maxY};
    origin.owner = drawing;
    origin.x = xs[choice % 3];
    origin.y = ys[choice / 3];
    origin.z = 0.0;
    drawOriginMark(drawing);
}

int PartsLibrary::registerSelection(DocumentContext* drawing)
{
    DoubleRect extent;
    if (!drawing)
        return 0;
    (void)drawing->settleTextInEdit(); // the part file gets what the screen shows
    if (!selectionExtent(drawing, extent))
        return 0;
    RegisterPartDialog dialog(*this, drawing, extent);
    const int answer = dialog.runModal(IDD_REGISTER_PART);
    // The origin mark goes with the dialog.
    if (drawing->updater) {
        drawing->updater->copyPainterToOverlay();
        drawing->updater->flushOverlay();
    }
    if (answer != IDOK)
        return 0;
    PartFile file(*this);
    FileName chosen;
    // The origin now is the registered part's: a loaded part reads its own again when next placed.
    releaseLoadedPart();
    if (!file.write(*drawing, chosen))
        return 0;
    // The list that cannot take the path has told the user; the file is written all the same.
    (void)addPart(chosen.getPath());
    if (pane)
        pane->repaint();
    return 1;
}

int PartsLibrary::readSettings(SettingsFile& file)
{
    parts.count = 0;
    int result;
    while ((result = file.readKey()) != 0 && file.currentKind() != SettingsFile::kSection) {
        if (file.currentId() != kPartsNameKey)
            continue;
        char path[kSettingsPathSize];
        if (!file.readString(path, sizeof path))
            continue;
        // The two integers, when there, are read over: nothing interprets them.
        int ignored = 0;
        for (int i = 0; i < 2 && file.getDelimiterFlag(SettingsFile::kComma); ++i)
            (void)file.readInt(ignored);
        (void)addListed(path); // a path too long or a full list: left out
    }
    current = -1;
    releaseLoadedPart();
    currentPath[0] = 0;
    listChanged();
    return result;
}

int PartsLibrary::writeSettings(SettingsFile& file)
{
    if (!file.writeSection(sectionId()))
        return 0;
    FileRecord record;
    for (int i = 0; i < parts.count; ++i) {
        if (!parts.getAt(i, record) || !file.writeKey(kPartsNameKey) || !file.writeQuoted(record.path, 1, 0) ||
            !file.writeInt(0, 1, 0) || !file.writeInt(0, 0, 1))
            return 0;
    }
    return 1;
}

int PartsLibrary::writeXmlSection(Document& document)
{
    return document.beginTag(tag_id::setParts) && origin.writeXmlTo(&document, tag_id::partsOrigin) &&
           document.endTag(tag_id::setParts);
}

int PartsLibrary::readXmlSection(Document& document, int tagId)
{
    if (tagId != tag_id::setParts)
        return document.skipSection(tagId);
    int id = 0;
    while (document.nextTag(id)) {
        if (id == tag_id::setParts && document.isClosingTag())
            return 1;
        if (document.isClosingTag())
            continue;
        if (id != tag_id::partsOrigin) {
            if (!document.skipLine())
                return 0;
            continue;
        }
        if (!readingOrigin) {
            if (!document.skipSection(id))
                return 0;
            continue;
        }
        DrawPoint read;
        read.owner = document.drawingOwner();
        if (!read.readXmlFrom(&document, tag_id::partsOrigin))
            return 0;
        origin = read;
        if (placementTarget)
            (void)placementTarget->setCoordinates(&origin); // a point always takes coordinates
    }
    return 0;
}
