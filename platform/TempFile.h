#pragma once
#include "platform/BufferedFile.h"
#include "platform/FileName.h"

// A BufferedFile on a uniquely named file in the temporary folder (the undo log, prefix "YUD").
// The file is deleted when the object goes.
class TempFile : public BufferedFile {
public:
    TempFile() = default;
    ~TempFile() override;

    // GetTempPathA (at most 128 characters) and GetTempFileNameA, which creates the empty file.
    // 0 when either fails or the folder's path does not fit.
    [[nodiscard]] int createName(const char* prefix);
    // Opens (or creates) the named file for reading and writing, FILE_ATTRIBUTE_TEMPORARY.
    [[nodiscard]] int open();
    // Deletes the file when this object made its name.
    void deleteTempFile();
    [[nodiscard]] int freeDiskSpace(unsigned long long& bytes) const { return name.freeDiskSpace(bytes); }
    [[nodiscard]] const FileName& fileName() const { return name; }
    [[nodiscard]] int isCreated() const { return created; }

private:
    FileName name;
    int created = 0;
};
