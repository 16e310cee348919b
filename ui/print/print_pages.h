// The printed pages: the input data, the result form, the rating table, the
// water-surface profile and the rating curves, each under the department's
// head and the program's title, numbered and dated. One routine paints them on
// any paged device, so a printer, its preview and a PDF show the same pages.
#pragma once

#include <array>
#include <span>
#include <string>

#include <QPagedPaintDevice>

#include "form/input_form.h"
#include "form/rating_table.h"
#include "model/model.h"

namespace kelp {

enum class PageKind {
    InputData,            // the input form's fields
    Results,              // the result form of the discharge last analysed
    RatingTable,          // the rating table
    Profile,              // the water-surface profile of the discharge last analysed
    HeadwaterCurve,       // the three rating curves of the table
    OutletDepthCurve,
    OutletVelocityCurve,
};

// What each window prints.
inline constexpr std::array kInputPages{PageKind::InputData};
inline constexpr std::array kResultPages{PageKind::Results, PageKind::Profile};
inline constexpr std::array kTablePages{PageKind::RatingTable, PageKind::HeadwaterCurve,
                                        PageKind::OutletDepthCurve,
                                        PageKind::OutletVelocityCurve};
// kelp-cli's report: everything of a design run and a range run.
inline constexpr std::array kReportPages{
    PageKind::InputData,      PageKind::Results,          PageKind::Profile,
    PageKind::RatingTable,    PageKind::HeadwaterCurve,   PageKind::OutletDepthCurve,
    PageKind::OutletVelocityCurve};

struct PrintSource {
    const Model& model;
    const InputForm* form = nullptr;     // needed by the input data page
    const RatingTable* table = nullptr;  // needed by the table and curve pages
    float unitSystem = 1;                // results in English (1) or metric units
    std::string printedOn;               // date in the page foot; empty: today
};

// Paints `pages` in order, one page each. Throws std::invalid_argument, before
// anything is painted, when a page's source is missing, and std::runtime_error
// when the device cannot be painted on (an unwritable PDF, say).
void PrintPages(QPagedPaintDevice& device, const PrintSource& source,
                std::span<const PageKind> pages);

}  // namespace kelp
