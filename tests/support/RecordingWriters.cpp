#include "tests/support/RecordingWriters.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "geometry/DoubleRect.h"
#include "geometry/InkColor.h"
#include "platform/DibImage.h"

int OperatorLog::add(const char* name, std::initializer_list<double> numbers, const char* text)
{
    std::string entry = name;
    for (double v : numbers) {
        double shown = std::isfinite(v) ? std::round(v * 1e9) / 1e9 : v;
        if (shown == 0.0)
            shown = 0.0; // no "-0"
        char buffer[40];
        std::snprintf(buffer, sizeof buffer, " %.9g", shown);
        entry += buffer;
    }
    if (text) {
        entry += ' ';
        entry += text;
    }
    const bool failing = failFrom >= 0 && static_cast<int>(entries.size()) >= failFrom;
    entries.push_back(entry);
    return failing ? 0 : 1;
}

std::string OperatorLog::text() const
{
    std::string out;
    for (const std::string& e : entries) {
        if (!out.empty())
            out += " | ";
        out += e;
    }
    return out;
}

int OperatorLog::count(const char* name) const
{
    const size_t n = std::strlen(name);
    int found = 0;
    for (const std::string& e : entries) {
        if (e.compare(0, n, name) == 0 && (e.size() == n || e[n] == ' '))
            ++found;
    }
    return found;
}

int RecordingPsOutput::setRgbColor(const RgbColor& colour)
{
    return log.add("_rgb", {double(colour.getRed()), double(colour.getGreen()), double(colour.getBlue())});
}

int RecordingPsOutput::selectColour(const InkColor&, double, int) { return plateMode ? inkOnPlate : 1; }

int RecordingPsOutput::setColour(const InkColor& ink, double tint, int mode)
{
    if (plateMode)
        return setGray(mode == 253 ? tint * 100.0 : 100.0);
    return setRgbColor(ink);
}

int RecordingPsOutput::selectAndSetColour(const InkColor& ink, double tint, int mode)
{
    const int selected = selectColour(ink, tint, mode);
    if (selected == 1 && !setColour(ink, tint, mode))
        return 0;
    return selected;
}

int RecordingPdfWriter::setStrokeColor(const RgbColor& colour, double tint)
{
    return log.add("RG", {double(colour.getRed()), double(colour.getGreen()), double(colour.getBlue()), tint});
}

int RecordingPdfWriter::setFillColor(const RgbColor& colour, double tint)
{
    return log.add("rg", {double(colour.getRed()), double(colour.getGreen()), double(colour.getBlue()), tint});
}

std::vector<RecordedImage>& operator<<(std::vector<RecordedImage>& images,
                                       const std::pair<const DibImage*, const DoubleRect*>& image)
{
    RecordedImage r;
    r.key = image.first->identityKey();
    r.width = image.first->width, r.height = image.first->height;
    r.minX = image.second->minX, r.minY = image.second->minY, r.maxX = image.second->maxX, r.maxY = image.second->maxY;
    images.push_back(r);
    return images;
}
