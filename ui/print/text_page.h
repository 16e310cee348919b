// A printed page of captioned values in groups: wide groups (free text) across
// the page, then the other groups in one column, or in two balanced columns
// when one would need too small a text, and paragraphs of notes below. The
// text is set as large as fits, down to a size still legible.
#pragma once

#include <string>
#include <vector>

#include <QPainter>
#include <QRectF>

#include "ui/print/page_style.h"

namespace kelp {

struct PageLine {
    std::string caption, value, unit;
};

struct PageGroup {
    std::string caption;
    std::vector<PageLine> lines;
};

struct TextPage {
    std::vector<PageGroup> wide;
    std::vector<PageGroup> columns;
    std::string notesCaption;
    std::vector<std::string> notes;
};

void DrawTextPage(QPainter& p, const QRectF& body, const PageStyle& style, const TextPage& page);

}  // namespace kelp
