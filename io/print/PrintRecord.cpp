// PrintRecord: the record, its section of the drawing file, the printer conversions and the
// preview. The print run is in PrintRun.cpp.
#include "io/print/PrintRecord.h"

#include <cmath>
#include <new>

#include "document/CropMarkSettings.h"
#include "document/Document.h"
#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/ShapeOp.h"
#include "document/SheetSettings.h"
#include "document/ViewUpdater.h"
#include "elements/ElementKindRegistry.h"
#include "geometry/AttributeIo.h"
#include "geometry/FillAttributes.h"
#include "geometry/InkColor.h"
#include "geometry/PaperSettings.h"
#include "geometry/TagIds.h"
#include "io/print/PrintProgressDialog.h"
#include "platform/Application.h"
#include "platform/DeviceContext.h"
#include "platform/PrintJob.h"
#include "platform/StringUtil.h"
#include "views/OffscreenPainter.h"
#include "views/ViewMapping.h"

using attribute_io::kChildFailed;
using attribute_io::kChildRead;

PrintSettings* thePrintSettings = nullptr;

namespace {
const double kMmPerInch = 25.4;
const double kDefaultPaperWidth = 210.0;
const double kDefaultPaperHeight = 297.0;
// Offsets are written with six decimals asked for (the tag writer keeps at most five).
const int kOffsetDecimals = 6;
// An offset beyond a metre is no print offset: a damaged file's value is refused.
const double kLargestOffset = 1000.0;
// Printer pixels stay well inside int.
const double kPixelLimit = 1e9;
// The preview's box of the printer's page: kind 5 on layer 253, drawn in red.
const int kBoxKind = 5;
const int kPreviewLayer = 253;

int toPixels(double value)
{
    if (!(value > -kPixelLimit))
        return value != value ? 0 : static_cast<int>(-kPixelLimit);
    if (!(value < kPixelLimit))
        return static_cast<int>(kPixelLimit);
    return static_cast<int>(std::trunc(value));
}

int readOffset(XmlContext& d, int tag, double& value)
{
    double read = 0.0;
    if (!attribute_io::readDoubleValue(d, tag, read))
        return 0;
    if (std::isfinite(read) && std::fabs(read) <= kLargestOffset)
        value = read;
    else
        d.reportDataError(tag);
    return 1;
}
} // namespace

PrintRecord::PrintRecord() : writer(new PostScriptWriter) {}

PrintRecord::~PrintRecord()
{
    deletePreviewBox();
    if (thePrintSettings == this)
        thePrintSettings = nullptr;
}

void PrintRecord::replaceWriter(std::unique_ptr<PostScriptWriter> other)
{
    if (other && running == kNoRun)
        writer = std::move(other);
}

// --- paper ---

double PrintRecord::paperWidth() const
{
    const PaperSettings* paper = context ? context->paper : nullptr;
    return paper ? paper->paperWidthMm() : kDefaultPaperWidth;
}

double PrintRecord::paperHeight() const
{
    const PaperSettings* paper = context ? context->paper : nullptr;
    return paper ? paper->paperHeightMm() : kDefaultPaperHeight;
}

double PrintRecord::paperExtentX() const
{
    const auto* sheet = context ? dynamic_cast<const SheetSettings*>(context->paper) : nullptr;
    return sheet ? sheet->horizontalExtentWithMarks() : paperWidth();
}

double PrintRecord::paperExtentY() const
{
    const auto* sheet = context ? dynamic_cast<const SheetSettings*>(context->paper) : nullptr;
    return sheet ? sheet->verticalExtentWithMarks() : paperHeight();
}

double PrintRecord::scaleNumerator() const
{
    const PaperSettings* paper = context ? context->paper : nullptr;
    return paper && paper->scaleNumerator() >= 1 ? paper->scaleNumerator() : 1.0;
}

double PrintRecord::scaleDenominator() const
{
    const PaperSettings* paper = context ? context->paper : nullptr;
    return paper && paper->scaleDenominator() >= 1 ? paper->scaleDenominator() : 1.0;
}

void PrintRecord::centreOnPaper()
{
    centringX = centringY = 0.0;
    double width = 0.0, height = 0.0;
    if (!thePrintJob || !thePrintJob->pageSizeMm(width, height) || width < 1.0 || height < 1.0)
        return;
    centringX = (width - paperExtentX()) * 0.5;
    centringY = (height - paperExtentY()) * 0.5;
}

void PrintRecord::normalisePageRange()
{
    const int n = context ? context->pageCount() : 1;
    firstPage = firstPage < n ? firstPage : n;
    lastPage = lastPage < n ? lastPage : n;
    firstPage = firstPage > 1 ? firstPage : 1;
    lastPage = lastPage > 1 ? lastPage : 1;
    lastPage = lastPage > firstPage ? lastPage : firstPage;
    if (allPages) {
        firstPage = 1;
        lastPage = n > 1 ? n : 1;
    }
}

// --- printer conversions ---

int PrintRecord::mmToPrinterX(double mm, int applyScale) const
{
    if (!thePrintJob)
        return 0;
    const double paper = applyScale ? mm * scaleNumerator() / scaleDenominator() : mm;
    return toPixels(paper / kMmPerInch * thePrintJob->dpiX());
}

int PrintRecord::mmToPrinterY(double mm, int applyScale) const
{
    if (!thePrintJob)
        return 0;
    const double paper = applyScale ? mm * scaleNumerator() / scaleDenominator() : mm;
    return toPixels(paper / kMmPerInch * thePrintJob->dpiY());
}

int PrintRecord::mmToPrinter(double mm, int applyScale) const
{
    if (!thePrintJob)
        return 0;
    const int dpiX = thePrintJob->dpiX(), dpiY = thePrintJob->dpiY();
    const double paper = applyScale ? mm * scaleNumerator() / scaleDenominator() : mm;
    return toPixels(paper / kMmPerInch * (dpiY > dpiX ? dpiY : dpiX));
}

double PrintRecord::printerToMm(double pixels, int applyScale) const
{
    if (!thePrintJob)
        return 0.0;
    const int dpiX = thePrintJob->dpiX(), dpiY = thePrintJob->dpiY();
    const int dpi = dpiY > dpiX ? dpiY : dpiX;
    if (dpi < 1)
        return 0.0;
    const double mm = pixels / dpi * kMmPerInch;
    return applyScale ? mm * scaleDenominator() / scaleNumerator() : mm;
}

DeviceContext* PrintRecord::outputSurface()
{
    if (running == kPostScriptRun)
        return &postScriptTarget;
    return running == kGdiRun && thePrintJob ? &thePrintJob->dc : nullptr;
}

// --- the drawing file ---

int PrintRecord::writeXmlSection(Document& d)
{
    return d.beginTag(tag_id::print) && d.beginTag(tag_id::offset) &&
           d.writeDoubleTag(tag_id::x, offsetX, kOffsetDecimals) && d.writeDoubleTag(tag_id::y, offsetY, kOffsetDecimals) &&
           d.endTag(tag_id::offset) && d.writeStringTag(tag_id::psout, writer->usePostScript ? "ON" : "OFF") &&
           d.endTag(tag_id::print);
}

int PrintRecord::readXmlSection(Document& d, int tagId)
{
    if (tagId != tag_id::print)
        return d.skipSection(tagId);
    return attribute_io::readBlock(d, tag_id::print, [&](int id) {
        switch (id) {
        case tag_id::offset:
            return attribute_io::readBlock(d, tag_id::offset, [&](int child) {
                       if (child == tag_id::x)
                           return readOffset(d, child, offsetX) ? kChildRead : kChildFailed;
                       if (child == tag_id::y)
                           return readOffset(d, child, offsetY) ? kChildRead : kChildFailed;
                       return d.skipBlock(child) ? kChildRead : kChildFailed;
                   })
                       ? kChildRead
                       : kChildFailed;
        case tag_id::psout: {
            char text[8] = {};
            if (!attribute_io::readQuotedValue(d, id, text, sizeof text))
                return kChildFailed;
            if (StringUtil::equals(text, "ON"))
                writer->usePostScript = 1;
            else if (StringUtil::equals(text, "OFF"))
                writer->usePostScript = 0;
            return kChildRead;
        }
        case tag_id::autoTombo:
            if (context && context->cropMarks)
                return context->cropMarks->readXml(tag_id::autoTombo) ? kChildRead : kChildFailed;
            return d.skipBlock(id) ? kChildRead : kChildFailed;
        default:
            // A child this record does not know is read over up to its own end, nested tags
            // included.
            return d.skipBlock(id) ? kChildRead : kChildFailed;
        }
    });
}

// --- the preview ---

void PrintRecord::deletePreviewBox()
{
    if (previewBox && theKindRegistry)
        (void)theKindRegistry->destroyElement(kBoxKind, previewBox); // the element goes either way
    previewBox = nullptr;
}

int PrintRecord::drawPreviewBox()
{
    double width = 0.0, height = 0.0;
    if (!thePrintJob || !thePrintJob->pageSizeMm(width, height) || width < 1.0 || height < 1.0)
        return 0;
    if (!previewBox && theKindRegistry)
        previewBox = theKindRegistry->createElement(kBoxKind);
    if (!previewBox)
        return 0;
    previewBox->self = previewBox;
    previewBox->context = context;
    previewBox->kind = kBoxKind;
    previewBox->layer = kPreviewLayer;
    InkColor red;
    red.setRgb(255, 0, 0);
    previewBox->setLineColour(red);
    // An outline only: a new box is filled (black) by default, which would hide the page.
    FillAttributes noFill;
    noFill.reset();
    previewBox->setFillDrawn(noFill);
    const double left = -toDrawing(totalOffsetX()), top = -toDrawing(totalOffsetY());
    previewBox->setPoint(1, left, top, 0.0);
    previewBox->setPoint(2, left + toDrawing(width), top + toDrawing(height), 0.0);
    (void)previewBox->execute(ShapeOp::Draw, 0.0, 0.0, 0.0); // what it draws shows in the preview
    return 1;
}

int PrintRecord::drawPreview(DeviceContext& target, const IntRect& rect)
{
    auto* view = context ? dynamic_cast<ViewMapping*>(context->view) : nullptr;
    ViewUpdater* updater = context ? context->updater : nullptr;
    if (!view || !updater || rect.width() < 2 || rect.height() < 2 || !target.hdc)
        return 0;
    if (!previewPainter)
        previewPainter.reset(new (std::nothrow) OffscreenPainter);
    OffscreenPainter* painter = previewPainter.get();
    const IntRect area = IntRect::fromEdges(0, 0, rect.width(), rect.height());
    if (!painter)
        return 0;
    painter->setContext(context);
    if (!painter->ensureBitmapOfSize(area))
        return 0;
    ViewMapping backup;
    double width = 0.0, height = 0.0;
    const PaperSettings* paper = context->paper;
    int fitted = 0;
    if (paper && thePrintJob && thePrintJob->pageSizeMm(width, height) && width >= 1.0 && height >= 1.0) {
        // The sheet with its crop-mark bands and the printer's page, both whole (paper
        // millimetres from the paper's corner): a page larger than the sheet is not cut off.
        const double left = -totalOffsetX(), top = -totalOffsetY();
        fitted = view->fitRectangle(area, backup, std::fmin(-paper->bandMm(1), left), std::fmin(-paper->bandMm(0), top),
                                    std::fmax(paper->paperWidthMm() + paper->bandMm(2), left + width),
                                    std::fmax(paper->paperHeightMm() + paper->bandMm(3), top + height));
    } else {
        fitted = view->fitSheetInto(area, backup);
    }
    if (!fitted) {
        view->assign(backup);
        view->rulersShown = backup.rulersShown;
        view->sheetOffsetOn = backup.sheetOffsetOn;
        return 0;
    }
    painter->clear();
    updater->redirectTo(1, painter);
    if (auto* sheet = dynamic_cast<SheetSettings*>(context->paper))
        (void)sheet->paintSheet(); // without the painter's surface nothing is painted
    updater->drawPageElements();
    (void)drawPreviewBox(); // without a printer there is no page to mark
    updater->redirectTo(0, painter);
    view->assign(backup);
    view->rulersShown = backup.rulersShown;
    view->sheetOffsetOn = backup.sheetOffsetOn;
    DeviceContext* surface = painter->surface();
    return surface && BitBlt(target.hdc, rect.left, rect.top, rect.width(), rect.height(), surface->hdc, 0, 0, SRCCOPY);
}

// --- makers ---

PrintSettings* makeDrawingPrintRecord(DocumentContext&) { return new (std::nothrow) PrintRecord; }

PrintSettings* makeApplicationPrintRecord() { return new (std::nothrow) PrintRecord; }
