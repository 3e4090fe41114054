#pragma once
// What the PDF tests share: a writer whose pages a test writes (into a file or a string), a
// reader of the file as written (objects, streams, the cross-reference table), and the Linux PDF
// tools run on it (qpdf, poppler's pdffonts, pdftotext, pdfimages and pdftoppm).
#include <functional>
#include <string>

#include "io/pdf/PdfExportCommand.h"
#include "platform/RgbColor.h"

class DibImage;
class ScratchFolder;

namespace pdf_test {

// A writer whose page content is `content` (nothing when unset). Its bytes go to its file or,
// with `capture` set, to `captured`. The write that would pass byte `failFrom` fails.
class PageWriter : public PdfExportCommand {
public:
    std::function<int(PdfFileWriter& out, int page)> content;
    int capture = 0;
    std::string captured;
    long long failFrom = -1;

protected:
    int writePageContent(int page) override
    {
        resetPageState();
        return content ? content(*this, page) : 1;
    }
    int putBytes(const char* bytes, int n) override
    {
        if (failFrom >= 0 && bytesWritten() + n > failFrom)
            return 0;
        if (capture) {
            captured.append(bytes, static_cast<size_t>(n));
            return 1;
        }
        return PdfExportCommand::putBytes(bytes, n);
    }
};

// Makes `image` w x h pixels whose pixel (x, y) (y = 0 at the top) is colour(x, y); 1 when made.
[[nodiscard]] int fillImage(DibImage& image, int w, int h, const std::function<RgbColor(int, int)>& colour);

// Writes a document of `pages` pages into the file; its bytes ("" when it failed).
std::string writeFile(PdfFileWriter& writer, const std::string& path, int pages, double width = 210.0,
                      double height = 297.0);

// A PDF file's bytes read as the writer lays them out.
class PdfText {
public:
    explicit PdfText(std::string text) : bytes(std::move(text)) {}
    // The object's text from its "n 0 obj" line to its "endobj" ("" when it is not there).
    [[nodiscard]] std::string object(int number) const;
    // The bytes between the line end after the object's "stream" and its "endstream".
    [[nodiscard]] std::string stream(int number) const;
    // "" when the file is laid out as written: every stream's /Length is its data's size, the
    // xref has N + 1 entries of 20 bytes, each in-use entry points at its object's first line and
    // the trailer's /Size is N + 1. Otherwise what is wrong.
    [[nodiscard]] std::string layoutFaults() const;

    std::string bytes;
};

// Runs the shell command in the scratch folder: its output, with "exit N" after a failure.
[[nodiscard]] std::string run(const ScratchFolder& scratch, const std::string& command);
// "" when qpdf --check finds nothing wrong with each file (names in the scratch folder); else
// its report.
[[nodiscard]] std::string qpdfFaults(const ScratchFolder& scratch, const std::vector<std::string>& names);

} // namespace pdf_test
