#pragma once
#include <cstddef>

// A full path and the title derived from it (the file name without folder and extension); the
// base of the document and of the PDF writer. Paths are single-byte or Shift-JIS, at most 259
// characters. Every search for '\\', ':' and '.' steps over double-byte characters.
class FileName {
public:
    static const int pathCapacity = 260;

    FileName() = default;
    virtual ~FileName() = default;

    // Copies path and title; nothing for a null argument.
    virtual void assign(const FileName* other);
    // path = title = text, then deriveTitle. A text longer than 259 characters is refused: path
    // and title become empty and the result is 0.
    [[nodiscard]] virtual int setPathAndTitle(const char* text);

    // Refused like setPathAndTitle (a cut path would name another file); the path becomes empty.
    [[nodiscard]] int setPath(const char* text);
    // Cut to 259 characters (on a character boundary).
    void setTitle(const char* text);
    [[nodiscard]] const char* getPath() const { return path; }
    [[nodiscard]] const char* getTitle() const { return title; }
    [[nodiscard]] int pathLength() const;
    [[nodiscard]] int maxPathLength() const { return pathCapacity - 1; }
    [[nodiscard]] int getFlag() const { return flag; }
    void clear();

    // title = the part after the path's last backslash, or else after its last colon, or else the
    // whole path, cut at its first '.'.
    void deriveTitle();
    // Index just after the last backslash, or else the last colon; 0 when neither occurs.
    [[nodiscard]] int fileNameOffset() const;
    [[nodiscard]] int pathEquals(const FileName& other) const;
    [[nodiscard]] int pathEqualsNoCase(const char* text) const;
    // Compares the text after the path's last '.' (from the '.' when ext holds one) with ext
    // ignoring ASCII case; 0 when the path has no '.'.
    [[nodiscard]] int hasExtension(const char* ext) const;
    // Free bytes on the path's drive (GetDiskFreeSpaceA of its first three characters).
    [[nodiscard]] int freeDiskSpace(unsigned long long& bytes) const;

protected:
    char path[pathCapacity] = {};
    char title[pathCapacity] = {};
    int flag = 0;
};

// Whether two paths name the same file, however each is written: both are made full
// (GetFullPathNameA: relative to the current folder, "." and ".." resolved) and long
// (GetLongPathNameA: 8.3 names lengthened; for a file not there yet its folder is lengthened
// and its name kept), then compared ignoring ASCII case outside double-byte characters. 0 when
// either is null or empty.
[[nodiscard]] int namesSameFile(const char* a, const char* b);

// The same searches on plain paths.
// Copies the path into `out` cut after its last backslash (or else colon) and returns the
// length; 0 and an empty text when there is neither.
int getFolderPart(const char* path, char* out, int size);
[[nodiscard]] int fileNameStart(const char* path);
// Copies the part after the last backslash (or colon), or the whole path; returns its length.
int copyFileNamePart(const char* path, char* out, int size);

template <size_t N> int getFolderPart(const char* path, char (&out)[N])
{
    return getFolderPart(path, out, static_cast<int>(N));
}
template <size_t N> int copyFileNamePart(const char* path, char (&out)[N])
{
    return copyFileNamePart(path, out, static_cast<int>(N));
}
