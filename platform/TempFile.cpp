#include "platform/TempFile.h"

TempFile::~TempFile()
{
    (void)close(); // the file is deleted next: what it holds no longer matters
    deleteTempFile();
}

int TempFile::createName(const char* prefix)
{
    // The undo log's classic limit: a temporary folder path longer than this disables it.
    char folder[128];
    DWORD length = GetTempPathA(sizeof folder, folder);
    if (length == 0 || length >= sizeof folder)
        return 0;
    char path[MAX_PATH];
    if (GetTempFileNameA(folder, prefix, 0, path) == 0)
        return 0;
    if (!name.setPathAndTitle(path)) {
        DeleteFileA(path);
        return 0;
    }
    (void)createEmpty(name); // the file exists already; its result does not matter
    created = 1;
    return 1;
}

int TempFile::open() { return openHandle(name, GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS, FILE_ATTRIBUTE_TEMPORARY); }

void TempFile::deleteTempFile()
{
    if (created)
        DeleteFileA(name.getPath());
    created = 0;
}
