#include "ui/print/result_page.h"

namespace kelp {

TextPage ResultPage(const OutputTexts& t) {
    TextPage page;
    bool first = true;
    for (const ResultGroup& group : Groups(t)) {
        PageGroup g{group.caption, {}};
        for (const ResultLine* line : group.lines) {
            if (!line->visible) continue;
            // The form shows the rise by the span on one line.
            std::string value = line == &t.size ? line->value + " x " + t.sizeSpan : line->value;
            g.lines.push_back({line->caption, value, line->unit});
        }
        // The project lines run across the page; the groups of numbers share it.
        (first ? page.wide : page.columns).push_back(std::move(g));
        first = false;
    }
    page.notesCaption = kWarningsCaption;
    page.notes = t.warnings;
    return page;
}

}  // namespace kelp
