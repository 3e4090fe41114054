#include "tests/io/GifFixture.h"

namespace gif_test {

CodeWriter::CodeWriter(int size) : minimumCodeSize(size), width(size + 1), next((1 << size) + 2) {}

void CodeWriter::code(int value)
{
    bits_ |= static_cast<unsigned long>(value) << bitCount_;
    bitCount_ += width;
    while (bitCount_ >= 8) {
        bytes += static_cast<char>(bits_ & 0xFF);
        bits_ >>= 8;
        bitCount_ -= 8;
    }
}

void CodeWriter::clear()
{
    code(1 << minimumCodeSize);
    width = minimumCodeSize + 1;
    next = (1 << minimumCodeSize) + 2;
    sinceClear = 0;
}

void CodeWriter::end()
{
    code((1 << minimumCodeSize) + 1);
    flush();
}

void CodeWriter::flush()
{
    if (bitCount_ > 0)
        bytes += static_cast<char>(bits_ & 0xFF);
    bits_ = 0;
    bitCount_ = 0;
}

void CodeWriter::send(int value)
{
    code(value);
    // The decoder makes an entry for every code after the first since a clear.
    if (sinceClear > 0 && next < 4096) {
        ++next;
        if (next == 1 << width && width < 12)
            ++width;
    }
    ++sinceClear;
}

void CodeWriter::literals(const std::vector<int>& indices, int clearEvery)
{
    for (int index : indices) {
        if (clearEvery > 0 && sinceClear == clearEvery)
            clear();
        send(index);
    }
}

std::string CodeWriter::subBlocks(int blockSize) const
{
    std::string out;
    for (size_t at = 0; at < bytes.size(); at += static_cast<size_t>(blockSize)) {
        const std::string part = bytes.substr(at, static_cast<size_t>(blockSize));
        out += static_cast<char>(part.size());
        out += part;
    }
    return out + '\0';
}

namespace {
std::string word(int v) { return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8 & 0xFF)}; }
} // namespace

std::string screen(int width, int height, int packed, const std::string& table)
{
    return "GIF89a" + word(width) + word(height) + static_cast<char>(packed) + std::string(2, '\0') + table;
}

std::string image(int left, int top, int width, int height, int packed, const std::string& localColours,
                  const CodeWriter& codes)
{
    return "," + word(left) + word(top) + word(width) + word(height) + static_cast<char>(packed) + localColours +
           static_cast<char>(codes.minimumCodeSize) + codes.subBlocks();
}

std::string extension(int label, const std::vector<std::string>& subBlocks)
{
    std::string out = "!";
    out += static_cast<char>(label);
    for (const std::string& b : subBlocks)
        out += static_cast<char>(b.size()) + b;
    return out + '\0';
}

std::string literalImage(int left, int top, int width, int height, int packed, const std::string& localColours,
                         int minimumCodeSize, const std::vector<int>& indices)
{
    CodeWriter codes(minimumCodeSize);
    codes.clear();
    codes.literals(indices, (1 << minimumCodeSize) - 2);
    codes.end();
    return image(left, top, width, height, packed, localColours, codes);
}

std::string colours(const std::vector<std::vector<int>>& triples)
{
    std::string out;
    for (const auto& t : triples)
        for (int v : t)
            out += static_cast<char>(v);
    return out;
}

} // namespace gif_test
