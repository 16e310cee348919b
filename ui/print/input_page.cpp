#include "ui/print/input_page.h"

#include <algorithm>
#include <array>
#include <initializer_list>

#include "form/irregular_editor.h"
#include "form/take_fields.h"
#include "model/codes.h"
#include "model/number_text.h"

namespace kelp {
namespace {

// Labels for the fields whose label on the form is an option caption.
struct LabelOverride {
    Field field;
    const char* label;
};
constexpr LabelOverride kLabelOverrides[] = {{Field::txtTWelev, "Tailwater Elevation"}};

std::string Label(Field f) {
    for (const LabelOverride& o : kLabelOverrides)
        if (o.field == f) return o.label;
    return FieldLabel(f);
}

std::string UnitOf(const InputForm& form, Field f) {
    switch (FieldUnitGroup(f)) {
        case UnitGroup::Discharge: return form.units.discharge;
        case UnitGroup::Length: return form.units.length;
        case UnitGroup::SideSlope: return form.units.sideSlope;
        case UnitGroup::BottomSlope: return form.units.bottomSlope;
        case UnitGroup::None: break;
    }
    return {};
}

// A disabled field takes no part in the analysis (its text is cleared or
// belongs to another choice), so it is left off the page.
void AddFields(PageGroup& g, const InputForm& form, std::initializer_list<Field> fields) {
    for (Field f : fields)
        if (form.field(f).enabled) g.lines.push_back({Label(f), form.text(f), UnitOf(form, f)});
}

PageGroup Group(const char* caption, const InputForm& form, std::initializer_list<Field> fields,
                std::vector<PageLine> choices = {}) {
    PageGroup g{caption, std::move(choices)};
    AddFields(g, form, fields);
    return g;
}

std::string Number(double value) { return FormatNumber(value, "0.00"); }

std::vector<PageLine> SectionPoints(const Model& m, bool metric, const std::string& unit) {
    std::vector<PageLine> lines;
    int count = std::clamp<int>(m.IrrCount, 0, IrregularEditor::kRows);
    double factor = metric ? kLengthFactor : 1.0;
    for (long i = 1; i <= count; ++i)
        lines.push_back({"Point " + std::to_string(i),
                         Number(m.IrrSta[i] / factor) + ",  " + Number(m.IrrElev[i] / factor),
                         unit});
    return lines;
}

// Banks and n values that the subchannel option uses, as the editor shows them.
PageGroup IrregularSection(const Model& m, float unitSystem) {
    bool metric = !IsEnglish(unitSystem);
    const UnitNames& names = UnitNamesOf(metric);
    std::string unit = names.length;
    PageGroup g{"Irregular Channel (station, elevation)", SectionPoints(m, metric, unit)};
    int option = m.IrrOption;
    if (option < 1 || option > static_cast<int>(kSubchannelOptions.size())) {
        g.lines.push_back({"Subchannel Option", std::to_string(option), ""});
        return g;
    }
    const SubchannelOption& o = kSubchannelOptions[static_cast<std::size_t>(option - 1)];
    g.lines.push_back({"Subchannel Option", o.caption, ""});
    if (o.left) g.lines.push_back({"Left Overbank Point", std::to_string(m.IrrLeftBank), ""});
    if (o.right) g.lines.push_back({"Right Overbank Point", std::to_string(m.IrrRightBank), ""});
    if (o.left) g.lines.push_back({"Left Overbank n", FloatText(m.IrrN[1]), ""});
    g.lines.push_back({"Main Channel n", FloatText(m.IrrN[2]), ""});
    if (o.right) g.lines.push_back({"Right Overbank n", FloatText(m.IrrN[3]), ""});
    g.lines.push_back({"Channel Slope", FloatText(m.IrrSlope), names.slope});
    return g;
}

}  // namespace

TextPage InputDataPage(const InputForm& form, float unitSystem) {
    TextPage page;
    page.wide.push_back(
        Group(kProjectGroup, form, {Field::txtProject, Field::txtStation, Field::txtDate}));
    page.columns.push_back(Group(
        kCulvertGroup, form,
        {Field::txtDiameter, Field::cboPipematerial, Field::txtSpan, Field::txtRise,
         Field::cboBoxinlet, Field::txtBoxrough, Field::txtNOut},
        {{"Barrel", form.IsBox() ? kBoxCaption : kPipeCaption, ""}}));
    page.columns.push_back(Group(
        kProfileGroup, form,
        {Field::txtInletsta, Field::txtInletelev, Field::txtUppersta, Field::txtUpperelev,
         Field::txtLowersta, Field::txtLowerelev, Field::txtOutletsta, Field::txtOutletelev},
        {{"Profile", form.IsDouble() ? kDoubleCaption : kSingleCaption, ""}}));
    page.columns.push_back(Group(kDischargeGroup, form,
                                 {Field::txtMinDischarge, Field::txtDesDischarge,
                                  Field::txtMaxDischarge, Field::txtBarrels}));
    int option = std::clamp(form.TailwaterOption(), 1, static_cast<int>(kTailwaterCaptions.size()));
    page.columns.push_back(Group(
        kTailwaterGroup, form,
        {Field::txtTWelev, Field::cboTWshape, Field::txtTWbottom, Field::txtTWleftside,
         Field::txtTWrightside, Field::txtTWdiameter, Field::txtTWslope, Field::txtTWrough},
        {{"Tailwater", kTailwaterCaptions[static_cast<std::size_t>(option - 1)], ""}}));
    if (IsIrregularChannel(form.TailwaterOption()))
        page.columns.push_back(IrregularSection(form.model(), unitSystem));
    return page;
}

}  // namespace kelp
