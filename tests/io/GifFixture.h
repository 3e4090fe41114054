#pragma once
// GIF files built byte by byte for the GIF reader's tests: the descriptors, extensions and image
// data, with an LZW code writer that sends every index as a literal code (the decoder's table
// still grows as it would for any data, so widths and a full table are reached as in real files).
#include <string>
#include <vector>

namespace gif_test {

// The codes of one image's data, packed least significant bit first. The writer follows the
// decoder's next free code and code width: each code after the first since a clear makes an entry.
class CodeWriter {
public:
    explicit CodeWriter(int minimumCodeSize);
    void clear();
    void end();
    // The last partial byte, without an end code.
    void flush();
    void code(int value);
    // A code the decoder reads with the current width, followed by the entry and the width change
    // it makes.
    void send(int value);
    // Literal codes for the indices, with a clear code whenever `clearEvery` literals were sent
    // since the last one (0: never).
    void literals(const std::vector<int>& indices, int clearEvery);
    // The bytes in data sub-blocks of at most `blockSize` bytes, then the zero-length terminator.
    [[nodiscard]] std::string subBlocks(int blockSize = 255) const;

    int minimumCodeSize;
    int width;
    int next;
    int sinceClear = 0;
    std::string bytes;

private:
    unsigned long bits_ = 0;
    int bitCount_ = 0;
};

// "GIF89a", the screen descriptor (packed byte as given) and the global table (3 bytes per entry
// of `colours`, as many as the packed byte says).
[[nodiscard]] std::string screen(int width, int height, int packed, const std::string& colours = "");
// An image descriptor, its local table, the minimum code size byte and the data.
[[nodiscard]] std::string image(int left, int top, int width, int height, int packed, const std::string& localColours,
                                const CodeWriter& codes);
// An extension: "!", the label, then the sub-blocks given (each with its length byte) and the
// terminator.
[[nodiscard]] std::string extension(int label, const std::vector<std::string>& subBlocks);
// The image of indices as literal codes of the given minimum code size.
[[nodiscard]] std::string literalImage(int left, int top, int width, int height, int packed,
                                       const std::string& localColours, int minimumCodeSize,
                                       const std::vector<int>& indices);
// Colour table bytes of (red, green, blue) triples.
[[nodiscard]] std::string colours(const std::vector<std::vector<int>>& triples);

} // namespace gif_test
