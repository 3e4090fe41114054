#pragma once
#include "dialogs/properties/AreaPage.h"
#include "dialogs/properties/LineTypePage.h"
#include "document/LineDefaults.h"

// The line-drawing record's values as the pages of its settings and batch dialogs edit them: the
// area pages work on the outline, fill and hatch bundles with the fill's screen kept apart; the
// line-type pages on the width, position, type and cap.
namespace line_page_values {

inline AreaAttributes areaOf(LineDefaults& r) { return {&r.edge, &r.paint, &r.pattern, &r.paintGray}; }
inline LineTypeValues lineTypeOf(LineDefaults& r) { return {&r.lineSize, &r.lineOrigin, &r.lineType, &r.lineCap}; }

} // namespace line_page_values
