#include "document/FolderMemory.h"

#include "geometry/SettingsFile.h"
#include "platform/FileName.h"
#include "platform/StringUtil.h"

FolderMemory* theFolderMemory = nullptr;

void FolderMemory::seed(FileName& name, const char* folder)
{
    if (name.getPath()[0] == 0 && folder[0] != 0)
        (void)name.setPath(folder); // a folder that does not fit leaves the dialog where it starts
}

void FolderMemory::remember(const FileName& name, char* folder)
{
    char part[FileName::pathCapacity];
    if (getFolderPart(name.getPath(), part) > 0)
        StringUtil::copy(folder, FileName::pathCapacity, part);
}

int FolderMemory::readIni(SettingsFile& file)
{
    while (file.readKey()) {
        if (file.currentKind() == SettingsFile::kSection)
            return 1;
        int ok = 1;
        if (file.currentId() == kFileDir)
            ok = file.readString(drawingFolder, sizeof drawingFolder);
        else if (file.currentId() == kPdfDir)
            ok = file.readString(pdfFolder, sizeof pdfFolder);
        if (!ok)
            return 0;
    }
    return 1;
}

int FolderMemory::writeIni(SettingsFile& file) const
{
    if (!file.writeSection(kSection) || !file.writeKey(kFileDir) || !file.writeQuoted(drawingFolder, 0, 1))
        return 0;
    if (pdfFolder[0] == 0)
        return 1;
    return file.writeKey(kPdfDir) && file.writeQuoted(pdfFolder, 0, 1);
}
