#pragma once
class TiffDecoderBase;

// What one output row of a TIFF picture holds, for PostScript and PDF: the file's samples read
// top row first, PackBits runs expanded, turned into the form the output takes.
enum class TiffRowForm {
    kBits, // 1 bit per pixel, (width + 7) / 8 bytes, 1 white: inverted unless photometric 1, or
           // with a colour map exactly when index 0 is the lighter colour (the screen's light and
           // dark); the bits beyond the width cleared
    kGrey, // 8 bits per pixel, 255 white: the first sample, inverted for photometric 0
    kRgb,  // red, green, blue: RGB samples as stored, RGBA without its fourth sample (transparent
           // black white, as on the screen), colour-mapped indices through the map
    kCmyk, // four samples as stored
    kPlate // one byte per pixel: 255 - the pixel's ink on a separation plate 0..3 (CMYK samples
           // give their own ink, others the colour's ink conversion)
};

// Turns file rows into output rows of one form.
class TiffRowConverter {
public:
    // For the picture (loaded); 0 for a form the picture cannot give.
    [[nodiscard]] int prepare(const TiffDecoderBase& image, TiffRowForm form, int plate);
    // Bytes of one output row, and the bits of one of its components.
    [[nodiscard]] long long outputBytes() const;
    [[nodiscard]] int componentBits() const { return form == TiffRowForm::kBits ? 1 : 8; }
    // One file row into outputBytes() bytes.
    void convert(const unsigned char* raw, unsigned char* out) const;

    // The form that composite output (PostScript modes 0 and 1, PDF) gives the picture.
    [[nodiscard]] static TiffRowForm compositeForm(const TiffDecoderBase& image);

private:
    const TiffDecoderBase* image = nullptr;
    TiffRowForm form = TiffRowForm::kRgb;
    int plate = 0;
    unsigned char bitFlip = 0; // of kBits
    unsigned char red[256] = {}, green[256] = {}, blue[256] = {};
    unsigned char plateValue[256] = {};
};
