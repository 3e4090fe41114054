#pragma once
#include <string>
#include <unordered_map>
#include <vector>

class Control;

// The installed font families as the font change dialog offers them, with the face that replaces
// a face that is not installed (the default face of the class library's rule) and the face
// chosen last in the dialog. Whether a face is installed is answered from a hash of the listed
// faces, and a face the listing does not show (a substituted name) is asked of the system once
// and remembered, so that the faces of a drawing's texts are resolved once each.
class InstalledFontList {
public:
    static constexpr int kFaceSize = 260;

    // Lists the installed families and chooses the default face.
    InstalledFontList();

    // Lists the families anew (without vertical "@" faces).
    void fill();
    [[nodiscard]] int count() const { return static_cast<int>(faces_.size()); }
    // Exact; -1 when the face is not listed.
    [[nodiscard]] int indexOf(const char* name) const;
    // The face at index, or null.
    [[nodiscard]] const char* get(int index) const;
    // 1 when the system has the face (listed or not).
    [[nodiscard]] int isInstalled(const char* name);

    // The combo box emptied and given every face in order; the current face selected; the
    // selection taken as the current face when it is one of the list. 0 without the control.
    [[nodiscard]] int fillComboBox(Control* combo) const;
    [[nodiscard]] int selectInComboBox(Control* combo) const;
    [[nodiscard]] int readComboBox(Control* combo);

    char defaultFace[kFaceSize] = {};
    int current = 0;

private:
    std::vector<std::string> faces_;
    std::unordered_map<std::string, int> index_;
    // Faces asked of the system beyond the listing: name -> installed.
    std::unordered_map<std::string, int> asked_;
};
