#pragma once
// A drawing whose page holds placed pictures, written as PostScript and rendered by Ghostscript,
// for the image readers' output tests; and what is read back from the rendered pages.
#include <string>
#include <windows.h>

#include "tests/io/PrintFixture.h"

class ScratchFolder;

class PicturePage : public PrintDrawing {
protected:
    // A picture of a file of an image kind (ImageTypeValue) over the rectangle (drawing
    // millimetres); its id, 0 when it could not be stored.
    int addPicture(const std::string& path, int kind, double left, double top, double width, double height);
    // The page rendered by Ghostscript at 72 dots per inch, CMYK turned into RGB without colour
    // management, as the screen turns it ("" when it failed): `device` ppmraw
    // gives the PPM's bytes, tiffsep the Black separation as grey bytes.
    std::string render(const std::string& postScript, const ScratchFolder& scratch, const char* device);
    // The page written as PostScript under the name in the scratch folder and rendered as a PPM
    // ("" when it failed); `pages`, when given, gets the number of pages Ghostscript finds.
    std::string renderPage(const ScratchFolder& scratch, const std::string& name, int* pages = nullptr);
    // The page written for a separation plate (0 cyan to 3 black, separation procedures on) and
    // its Black separation rendered as grey bytes ("" when it failed).
    std::string renderPlate(const ScratchFolder& scratch, int plate);
};

// The RGB of a page pixel (x, y in millimetres) of a PPM of A4 at 72 dpi; 0xFFFFFFFF outside.
[[nodiscard]] COLORREF ppmPixel(const std::string& ppm, double xMm, double yMm);
// Dark pixels of a grey page of A4 at 72 dpi inside a rectangle (millimetres).
[[nodiscard]] int inkIn(const std::string& grey, double left, double top, double right, double bottom);
