#pragma once
// Interface header: the operations that the folders below call; no internals of this folder.
#include "dialogs/defaults/ElementDefaults.h"

// Default attributes of new bitmaps and placed pictures.
class PictureDefaults : public ElementDefaults {
public:
    // Copies the attributes of another record (null does nothing).
    virtual void copyFrom(const PictureDefaults* other) = 0;
    // 1 when a file to place has been chosen.
    [[nodiscard]] virtual int hasImage() = 0;
    // Lets the user choose the file of an image type (1 bitmap, 2 EPS, 3 GIF, 4 JPEG, 5 TIFF) to
    // place; 1 when one was chosen. Nothing by default.
    virtual int chooseFile(int imageType)
    {
        (void)imageType;
        return 0;
    }
};

// The application's record, copied into every new document.
// (Defined in document/GlobalManagers.cpp, with its first readers.)
extern PictureDefaults* thePictureDefaults;
