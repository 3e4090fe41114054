#pragma once
#include <string>

// A fresh folder under the Wine temporary path for one test; it and the files in it are deleted
// when the object goes.
//
//     ScratchFolder scratch;
//     std::string path = scratch.file("a.txt", "abc\r\n");
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder's path with a trailing backslash.
    const std::string& path() const { return path_; }
    // The full path of a file in the folder.
    std::string pathOf(const std::string& name) const { return path_ + name; }
    // Writes a file with exactly these bytes and returns its full path.
    std::string file(const std::string& name, const std::string& bytes) const;
    // The bytes of a file ("" when it cannot be read).
    [[nodiscard]] static std::string read(const std::string& fullPath);
    [[nodiscard]] static bool exists(const std::string& fullPath);

private:
    std::string path_;
};
