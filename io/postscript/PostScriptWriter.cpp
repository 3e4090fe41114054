// PostScriptWriter: jobs, pages, the header and the low-level output.
#include "io/postscript/PostScriptWriter.h"

#include <cstring>
#include <new>

#include "io/print/PrintRecord.h"
#include "platform/Application.h"
#include "platform/BufferedFile.h"
#include "platform/FileName.h"
#include "platform/PrintJob.h"
#include "platform/StringUtil.h"

namespace {
// The writer's own buffer: large pieces go to the printer (in the print job's 512-byte sends) or
// to the file.
const int kBufferSize = 64 * 1024;
const double kPointsPerMm = 72.0 / 25.4;
// Enough for any number the writer formats (formatDouble refuses more than 40 integer digits).
const int kNumberSize = 64;

const char* const kProlog[] = {
    "%%BeginProlog",        "/_np{newpath} def",      "/_cp{closepath} def",       "/_sp{stroke} def",
    "/_gray{setgray} def",  "/_rgb{setrgbcolor} def", "/_cmyk{setcmykcolor} def",  "/_m{moveto} def",
    "/_l{lineto} def",      "/_a{arc} def",           "/_an{arcn} def",            "/_ds{setdash} def",
    "/_lw{setlinewidth} def", "/_ssa{setstrokeadjust} def", "/_lc{setlinecap} def", "/_lj{setlinejoin} def",
    "/_f{fill} def",        "/_clp{clip} def",        "/_icp{initclip} def",       "/_fms{selectfont} def",
    "/_rtt{rotate} def",    "/_sw{show} def",         "/_fcp{false charpath} def", "/_gs{gsave} def",
    "/_gr{grestore} def",   "/_trs{translate} def",   "/_sc{scale} def",           "/_crv{curveto} def",
    "/_imtrx{initmatrix} def", "/_smtrx{setmatrix} def", "/_spg{showpage} def",    "/_csr{currentscreen} def",
    "/_ssr{setscreen} def",
};

const char* const kSeparationProcedures[] = {
    "/CYAN 0 def /MAGENTA 1 def /YELLOW 2 def /BLACK 3 def",
    "/cmykprocs",
    "[",
    "{pop pop pop 1 exch sub mysetgray}",
    "{pop pop exch pop 1 exch sub mysetgray}",
    "{pop 3 1 roll pop pop 1 exch sub mysetgray}",
    "{4 1 roll pop pop pop 1 exch sub mysetgray}",
    "]def",
    "/separatecolor {",
    "dup",
    "/cmyknumber",
    "exch",
    "def",
    "currentdict/cmykprocs get",
    "exch",
    "get",
    "/setcmykcolor",
    "exch",
    "def",
    "setscreen",
    "/setscreen {pop pop pop} def",
    "systemdict /setgray get",
    "/mysetgray",
    "exch",
    "def",
    "cmyknumber BLACK eq",
    "{/setgray {mysetgray} def} {/setgray {pop 1 mysetgray} def} ifelse",
    "} bind def",
};

const char* const kScreenSave[] = {"_csr", "/_cprc exch def", "/_cang exch def", "/_cfrq exch def"};

template <size_t N> int countOf(const char* const (&)[N]) { return static_cast<int>(N); }
} // namespace

PostScriptWriter::PostScriptWriter() : buffer(new (std::nothrow) char[kBufferSize]) {}

PostScriptWriter::~PostScriptWriter()
{
    abandonFileJob();
    delete[] buffer;
}

// --- the font-face table ---

FontFaceMap& PostScriptWriter::ownFontFaces()
{
    if (!faces) {
        faces.reset(new FontFaceMap(postScriptFontFaces()));
        faces->create();
    }
    return *faces;
}

FontFaceMap& PostScriptWriter::sharedFontFaces()
{
    auto* application = dynamic_cast<PrintRecord*>(thePrintSettings);
    if (application && &application->postScript() != this)
        return application->postScript().ownFontFaces();
    return ownFontFaces();
}

// --- jobs ---

void PostScriptWriter::refreshPrinterCapability()
{
    printerIsPostScript = thePrintJob ? thePrintJob->isPostScript() : 0;
    if (!printerIsPostScript)
        usePostScript = 0;
}

int PostScriptWriter::startJob()
{
    abandonFileJob();
    if (!thePrintJob || !buffer)
        return 0;
    PrintJob& job = *thePrintJob;
    if (title)
        job.setDocumentName(title);
    destination = kPrinter;
    failure = 0;
    buffered = 0;
    pagesWritten = 0;
    sharedFontFaces().resetFontCache();
    // A failure of an earlier job does not hold for this one.
    job.passthroughFailures = 0;
    if (!job.allocPassthroughBuffer())
        return 0;
    if (job.startDoc(1)) {
        if (job.startPage()) {
            if (writeHeader())
                return 1;
            (void)job.endPage(); // the header could not be written: the job is given up
        }
        (void)job.endDoc();
    }
    job.freePassthroughBuffer();
    return 0;
}

int PostScriptWriter::endJob()
{
    if (!thePrintJob)
        return 0;
    PrintJob& job = *thePrintJob;
    const int written = writeTrailer() && flushBuffer();
    const int pageEnded = job.endPageFlushed();
    const int documentEnded = job.endDoc();
    job.freePassthroughBuffer();
    return written && pageEnded && documentEnded && !failure;
}

int PostScriptWriter::startFileJob(const char* path)
{
    abandonFileJob();
    if (!path || !path[0] || !buffer)
        return 0;
    destination = kFile;
    failure = 0;
    buffered = 0;
    pagesWritten = 0;
    sharedFontFaces().resetFontCache();
    char folder[FileName::pathCapacity];
    if (getFolderPart(path, folder) == 0)
        StringUtil::copy(folder, ".");
    char temp[MAX_PATH];
    FileName name;
    if (!GetTempFileNameA(folder, "kps", 0, temp))
        return 0;
    tempPath = temp;
    filePath = path;
    file.reset(new (std::nothrow) BufferedFile);
    if (!file || !name.setPath(temp) || !file->openReadWrite(name)) {
        abandonFileJob();
        return 0;
    }
    if (!writeHeader()) {
        abandonFileJob();
        return 0;
    }
    return 1;
}

int PostScriptWriter::endFileJob()
{
    if (!file)
        return 0;
    int ok = writeTrailer() && flushBuffer() && file->verifyWritten();
    ok = file->close() && ok;
    file.reset();
    if (ok && !replaceWithFinished(tempPath.c_str(), filePath.c_str()))
        ok = 0;
    if (!ok)
        DeleteFileA(tempPath.c_str());
    tempPath.clear();
    filePath.clear();
    return ok;
}

void PostScriptWriter::abandonFileJob()
{
    if (file) {
        (void)file->close(); // the file goes in any case
        file.reset();
    }
    if (!tempPath.empty())
        DeleteFileA(tempPath.c_str());
    tempPath.clear();
    filePath.clear();
}

// --- header, pages, trailer ---

int PostScriptWriter::writeLines(const char* const* lines, int count)
{
    for (int i = 0; i < count; ++i)
        if (!writeLine(lines[i]))
            return 0;
    return 1;
}

int PostScriptWriter::writeComment(const char* keyword, const char* text)
{
    return !text || (writeString(keyword, 0) && writeString(text, 1));
}

int PostScriptWriter::writeHeader()
{
    if (!writeLine("%!PS-Adobe-3.0") || !writeComment("%%Creator: ", creator) || !writeComment("%%For: ", forWhom) ||
        !writeComment("%%Title: ", title) || !writeString("%%BoundingBox: 0 0 ", 0) ||
        !writeReal(pageWidth * kPointsPerMm, 0, 0) || !writeSpace(0) || !writeReal(pageHeight * kPointsPerMm, 0, 1) ||
        !writeComment("%%DocumentProcessColors: ", documentProcessColours) ||
        !writeComment("%%DocumentCustomColors: ", documentCustomColours))
        return 0;
    if (pages >= 1 && !(writeString("%%Pages: ", 0) && writeNumber(pages, 1)))
        return 0;
    if (!writeLine("%%EndComments") || !writeLines(kProlog, countOf(kProlog)))
        return 0;
    if (separationProcedures && !writeLines(kSeparationProcedures, countOf(kSeparationProcedures)))
        return 0;
    if (!writeLine("%%EndProlog") || !writeLine("%%BeginSetup"))
        return 0;
    if (copies >= 2 && !(writeString("/#copies ", 0) && writeNumber(copies, 0) && writeString(" def", 1)))
        return 0;
    if (!writeLines(kScreenSave, countOf(kScreenSave)))
        return 0;
    if (documentSave && !writeLine("/docSave save def"))
        return 0;
    return writeLine("%%EndSetup");
}

int PostScriptWriter::beginPage()
{
    if (!writeString("%%Page: ", 0) || !writeNumber(pageLabel, 0) || !writeSpace(0) || !writeNumber(pageIndex + 1L, 1) ||
        !writeComment("%%PageProcessColors: ", pageProcessColours) ||
        !writeComment("%%PageCustomColors: ", pageCustomColours) || !writeComment("%%PlateColor: ", plateColour) ||
        !writeLine("_imtrx") || !writeLine("true _ssa") || !writePageTransform() || !writeScreen())
        return 0;
    return !pageSave || writeLine("/pgSave save def");
}

int PostScriptWriter::writePageTransform()
{
    const double h = pageHeight * kPointsPerMm;
    if (pageHeight >= pageWidth) {
        if (coordinateMode != 2)
            return 1;
        arcAngleOffset = 180.0;
        return writeString("0 ", 0) && writeReal(h, 0, 0) && writeString(" _trs", 1) &&
               writeLine("[1 0 0 -1 0 0] concat");
    }
    if (coordinateMode == 1)
        return writeReal(h, 0, 0) && writeString(" 0 _trs", 1) && writeLine("[0 1 -1 0 0 0] concat");
    if (coordinateMode == 2) {
        arcAngleOffset = 180.0;
        return writeLine("[0 1 1 0 0 0] concat");
    }
    return 1;
}

int PostScriptWriter::writeScreen()
{
    if (separationMode != 2 || !plates || currentPlate < 0 || currentPlate >= plateCount)
        return 1;
    const PsPlate& plate = plates[currentPlate];
    if (plate.screenFrequency >= 1)
        return writeNumber(plate.screenFrequency, 0) && writeSpace(0) && writeNumber(plate.screenAngle, 0) &&
               writeString(" {180 mul cos exch 180 mul cos add 2 div}", 0) && writeString(" _ssr", 1);
    // The saved spot function is a procedure: "load" puts it on the stack where its name alone
    // would run it.
    return pagesWritten < 1 || writeLine("_cfrq _cang /_cprc load _ssr");
}

int PostScriptWriter::endPage()
{
    // A file has no printer to end its sheets: showpage does.
    if (destination == kFile && !writeLine("_spg"))
        return 0;
    if (!writeLine("%%PageTrailer") || (pageSave && !writeLine("pgSave restore")))
        return 0;
    ++pagesWritten;
    return 1;
}

int PostScriptWriter::writeTrailer()
{
    return writeLine("%%Trailer") && (!documentSave || writeLine("docSave restore")) && writeLine("%%EOF");
}

// --- low-level output ---

int PostScriptWriter::writeBytes(const char* bytes, int n)
{
    if (failure)
        return 0;
    if (!putBytes(bytes, n))
        failure = 1;
    return !failure;
}

int PostScriptWriter::putBytes(const char* bytes, int n)
{
    if (!buffer)
        return 0;
    while (n > 0) {
        if (buffered == kBufferSize && !flushBuffer())
            return 0;
        int chunk = kBufferSize - buffered;
        if (chunk > n)
            chunk = n;
        std::memcpy(buffer + buffered, bytes, static_cast<size_t>(chunk));
        buffered += chunk;
        bytes += chunk;
        n -= chunk;
    }
    return 1;
}

int PostScriptWriter::flushBuffer()
{
    if (failure)
        return 0;
    const int n = buffered;
    buffered = 0;
    if (n < 1)
        return 1;
    int sent = 0;
    if (destination == kFile)
        sent = file && file->isOpenFile() && file->write(buffer, n);
    else if (thePrintJob) {
        thePrintJob->writePassthrough(buffer, n, 0);
        sent = thePrintJob->passthroughBytes && !thePrintJob->passthroughFailures;
    }
    failure = !sent;
    return sent;
}

int PostScriptWriter::writeString(const char* text, int newline)
{
    const int n = text ? static_cast<int>(std::strlen(text)) : 0;
    return writeBytes(text, n) && (!newline || lineEnd());
}

int PostScriptWriter::writeRange(const char* text, int from, int to, int newline)
{
    if (text && to - from >= 1 && !writeBytes(text + from, to - from))
        return 0;
    return !newline || lineEnd();
}

int PostScriptWriter::writeSpace(int newline) { return writeBytes(" ", 1) && (!newline || lineEnd()); }

int PostScriptWriter::writeNumber(long n, int newline)
{
    char text[kNumberSize] = "";
    return writeString(StringUtil::appendInt(text, kNumberSize, n), newline);
}

int PostScriptWriter::writeReal(double x, int decimals, int newline)
{
    char text[kNumberSize] = "0";
    // A value the formatter refuses (not finite, or beyond 40 digits) is written as 0: the page
    // keeps its structure.
    if (!StringUtil::formatDouble(x, decimals, text, 1))
        StringUtil::copy(text, "0");
    return writeString(text, newline);
}

int PostScriptWriter::writeLength(double mm, int decimals, int newline)
{
    return writeReal(mm * kPointsPerMm, decimals, newline);
}

int PostScriptWriter::writeColourComponent(double x, int decimals, int trailingBlank, int newline)
{
    int ok;
    if (x >= 1.0)
        ok = writeString("1", 0);
    else if (x <= 0.0)
        ok = writeString("0", 0);
    else
        ok = writeReal(x, decimals, 0);
    return ok && (!trailingBlank || writeSpace(0)) && (!newline || lineEnd());
}

int PostScriptWriter::writePoint(double x, double y)
{
    if (coordinateMode == 1)
        return writeLength(x, 3, 0) && writeSpace(0) && writeLength(pageHeight - y, 3, 0);
    if (coordinateMode == 2)
        return writeLength(x, 3, 0) && writeSpace(0) && writeLength(y, 3, 0);
    return 1;
}
