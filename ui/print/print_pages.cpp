#include "ui/print/print_pages.h"

#include <QPainter>
#include <algorithm>
#include <functional>
#include <iterator>
#include <stdexcept>

#include "form/today.h"
#include "model/codes.h"
#include "results/output_texts.h"
#include "results/table_texts.h"
#include "ui/plots/profile_plot.h"
#include "ui/plots/rating_curve.h"
#include "ui/print/input_page.h"
#include "ui/print/page_frame.h"
#include "ui/print/result_page.h"
#include "ui/print/table_page.h"
#include "ui/print/text_page.h"

namespace kelp {
namespace {

struct PageInfo {
    PageKind kind;
    const char* caption;
    bool needsForm;
    bool needsTable;
    int curve;  // RatingCurveKind of a curve page, else 0
};

constexpr PageInfo kPages[] = {
    {PageKind::InputData, "Input Data", true, false, 0},
    {PageKind::Results, "Culvert Analysis Results", false, false, 0},
    {PageKind::RatingTable, kTableTitle, false, true, 0},
    {PageKind::Profile, kProfileCaption, false, false, 0},
    {PageKind::HeadwaterCurve, "Headwater Rating Curve", false, true, 1},
    {PageKind::OutletDepthCurve, "Outlet Depth Rating Curve", false, true, 2},
    {PageKind::OutletVelocityCurve, "Outlet Velocity Rating Curve", false, true, 3},
};

constexpr bool PagesInOrder() {
    for (std::size_t i = 0; i < std::size(kPages); ++i)
        if (static_cast<std::size_t>(kPages[i].kind) != i) return false;
    return true;
}
static_assert(PagesInOrder(), "the page table follows the PageKind enumeration");

const PageInfo& InfoOf(PageKind kind) { return kPages[static_cast<std::size_t>(kind)]; }

void CheckSources(const PrintSource& source, std::span<const PageKind> pages) {
    for (PageKind kind : pages) {
        const PageInfo& info = InfoOf(kind);
        if (info.needsForm && !source.form)
            throw std::invalid_argument(std::string(info.caption) + " needs the input form");
        if (info.needsTable && !source.table)
            throw std::invalid_argument(std::string(info.caption) + " needs the rating table");
    }
}

// A picture keeps a landscape shape on an upright page: a drawing as tall as
// the page would stretch the profile's vertical scale and the curves. The
// warnings about the results pictured go below it.
void DrawPicture(QPainter& p, const QRectF& body, const PageStyle& style,
                 const std::vector<std::string>& warnings,
                 const std::function<void(const QRectF&)>& draw) {
    QRectF picture(body.left(), body.top(), body.width(),
                   std::min(body.height(), body.width() * 0.8));
    draw(picture);
    TextPage notes{{}, {}, kWarningsCaption, warnings};
    DrawTextPage(p, QRectF(body.left(), picture.bottom(), body.width(),
                           body.bottom() - picture.bottom()),
                 style, notes);
}

void DrawBody(QPainter& p, const QRectF& body, const PageStyle& style, const PrintSource& source,
              const PageInfo& info) {
    const Model& model = source.model;
    bool metric = !IsEnglish(source.unitSystem);
    switch (info.kind) {
        case PageKind::InputData:
            DrawTextPage(p, body, style, InputDataPage(*source.form, source.unitSystem));
            break;
        case PageKind::Results:
            DrawTextPage(p, body, style, ResultPage(BuildOutputTexts(model, source.unitSystem)));
            break;
        case PageKind::RatingTable:
            DrawTablePage(p, body, style,
                          BuildTableTexts(*source.table, model, source.unitSystem));
            break;
        case PageKind::Profile:
            DrawPicture(p, body, style, model.Warnings,
                        [&](const QRectF& area) { DrawProfile(p, area, model, metric); });
            break;
        case PageKind::HeadwaterCurve:
        case PageKind::OutletDepthCurve:
        case PageKind::OutletVelocityCurve:
            DrawPicture(p, body, style,
                        BuildTableTexts(*source.table, model, source.unitSystem).notes,
                        [&](const QRectF& area) {
                            DrawRatingCurve(p, area, model, *source.table, info.curve, metric);
                        });
            break;
    }
}

}  // namespace

void PrintPages(QPagedPaintDevice& device, const PrintSource& source,
                std::span<const PageKind> pages) {
    CheckSources(source, pages);
    QPainter painter;
    if (!painter.begin(&device)) throw std::runtime_error("The pages cannot be printed.");
    PageStyle style = StyleOf(device);
    QRectF page(0, 0, device.width(), device.height());
    PageHead head{"", 0, static_cast<int>(pages.size()),
                  source.printedOn.empty() ? TodayText() : source.printedOn};
    for (PageKind kind : pages) {
        if (head.number > 0) device.newPage();
        ++head.number;
        const PageInfo& info = InfoOf(kind);
        head.caption = info.caption;
        DrawBody(painter, DrawPageFrame(painter, page, style, head), style, source, info);
    }
    painter.end();
}

}  // namespace kelp
