#include "tests/io/pdf/PdfTestFile.h"

#include <cstdlib>
#include <vector>
#include <windows.h>

#include "platform/DibImage.h"
#include "tests/io/IoTestDrawing.h"
#include "tests/support/ScratchFolder.h"

namespace pdf_test {

int fillImage(DibImage& image, int w, int h, const std::function<RgbColor(int, int)>& colour)
{
    image.width = w, image.height = h, image.bitCount = 24;
    image.setRowStride(DibImage::strideFor24Bits(w));
    if (!image.allocatePixels(image.getRowStride() * h))
        return 0;
    std::vector<unsigned char> row(static_cast<size_t>(image.getRowStride()));
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const RgbColor c = colour(x, y);
            row[3 * x] = static_cast<unsigned char>(c.getBlue());
            row[3 * x + 1] = static_cast<unsigned char>(c.getGreen());
            row[3 * x + 2] = static_cast<unsigned char>(c.getRed());
        }
        if (!image.setRow(h - 1 - y, row.data())) // rows are stored bottom-up
            return 0;
    }
    return 1;
}

std::string writeFile(PdfFileWriter& writer, const std::string& path, int pages, double width, double height)
{
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return "";
    CloseHandle(h);
    if (!writer.open(path.c_str()))
        return "";
    const int written = writer.writeDocument(pages, width, height);
    const int closed = writer.close();
    return written && closed ? ScratchFolder::read(path) : "";
}

std::string PdfText::object(int number) const
{
    const std::string head = std::to_string(number) + " 0 obj\r\n";
    size_t at = bytes.find(head);
    // The head must start a line: "1 0 obj" is also the end of "11 0 obj".
    while (at != std::string::npos && at > 0 && bytes[at - 1] != '\n')
        at = bytes.find(head, at + 1);
    if (at == std::string::npos)
        return "";
    const size_t end = bytes.find("endobj\r\n", at);
    return end == std::string::npos ? "" : bytes.substr(at, end + 8 - at);
}

std::string PdfText::stream(int number) const
{
    const std::string text = object(number);
    const size_t begin = text.find(">>\r\nstream\r\n");
    const size_t end = text.rfind("endstream\r\n");
    return begin == std::string::npos || end == std::string::npos || end < begin + 12
               ? ""
               : text.substr(begin + 12, end - begin - 12);
}

std::string PdfText::layoutFaults() const
{
    std::string faults;
    // Streams: the length in the dictionary before each "stream" line.
    for (size_t at = bytes.find("\r\nstream\r\n"); at != std::string::npos; at = bytes.find("\r\nstream\r\n", at + 1)) {
        const size_t key = bytes.rfind("/Length ", at);
        const size_t end = bytes.find("endstream\r\n", at);
        if (key == std::string::npos || end == std::string::npos) {
            faults += "a stream without length or end; ";
            continue;
        }
        const long long length = std::atoll(bytes.c_str() + key + 8);
        const long long data = static_cast<long long>(end - (at + 10));
        if (length != data)
            faults += "a stream of " + std::to_string(data) + " bytes says " + std::to_string(length) + "; ";
    }
    // The cross-reference table.
    const size_t start = bytes.rfind("startxref\r\n");
    if (start == std::string::npos)
        return faults + "no startxref";
    const size_t xref = static_cast<size_t>(std::atoll(bytes.c_str() + start + 11));
    if (bytes.compare(xref, 8, "xref\r\n0 ") != 0)
        return faults + "startxref does not point at the xref";
    const int entries = std::atoi(bytes.c_str() + xref + 8);
    const size_t first = bytes.find("\r\n", xref + 8) + 2;
    for (int number = 0; number < entries; ++number) {
        const std::string entry = bytes.substr(first + 20 * static_cast<size_t>(number), 20);
        if (entry.size() != 20 || entry.compare(18, 2, "\r\n") != 0) {
            faults += "xref entry " + std::to_string(number) + " is not 20 bytes; ";
            break;
        }
        if (entry[17] != 'n')
            continue;
        const size_t offset = static_cast<size_t>(std::atoll(entry.c_str()));
        if (bytes.compare(offset, std::to_string(number).size() + 7, std::to_string(number) + " 0 obj\r") != 0)
            faults += "xref entry " + std::to_string(number) + " misses its object; ";
    }
    if (bytes.compare(first + 20 * static_cast<size_t>(entries), 9, "trailer\r\n") != 0)
        faults += "the xref has more entries than it says; ";
    if (bytes.find("/Size " + std::to_string(entries) + "\r\n") == std::string::npos)
        faults += "the trailer's size is not the xref's; ";
    return faults;
}

std::string run(const ScratchFolder& scratch, const std::string& command) { return io_fixture::runShell(scratch, command); }

std::string qpdfFaults(const ScratchFolder& scratch, const std::vector<std::string>& names)
{
    std::string command;
    for (const std::string& name : names)
        command += "qpdf --check '" + name + "' >/dev/null 2>&1 || { echo '" + name + ":'; qpdf --check '" + name +
                   "' 2>&1 | head -5; }; ";
    return run(scratch, command);
}

} // namespace pdf_test
