#include "results/output_texts.h"

#include "form/catalogues.h"
#include "form/input_form.h"
#include "model/codes.h"
#include "model/number_text.h"
#include "results/display_units.h"

namespace kelp {
namespace {

constexpr const char* kNotApplicable = "N/A";


ResultLine Text(const char* caption, std::string value) {
    return {caption, std::move(value), {}, true};
}

ResultLine Number(const char* caption, double value, const char* format, const char* unit) {
    return {caption, FormatNumber(value, format), unit, true};
}

// A value that does not apply has no unit either.
void NotApplicable(ResultLine& line) {
    line.value = kNotApplicable;
    line.unit.clear();
}

void FillCulvert(const Model& m, const DisplayUnits& u, OutputTexts& t) {
    t.project = Text(FieldLabel(Field::txtProject), m.ProjectName);
    t.location = Text(FieldLabel(Field::txtStation), m.ProjectLocation);
    t.date = Text(FieldLabel(Field::txtDate), m.ProjectDate);
    t.discharge = Number("Discharge", u.Discharge(m.AnalysisQ),
                         u.metric ? "#####.000" : "#####.0", u.discharge);
    t.barrels = Text(FieldLabel(Field::txtBarrels), FloatText(m.NBarrels));
    bool box = IsBox(m.CulvertShape);
    t.shape = Text("Shape", box ? "Box" : "Circular");
    t.size = Number("Size", u.Length(box ? m.BoxRise : m.PipeDiameter), "##.0#", u.length);
    t.sizeSpan = FormatNumber(u.Length(box ? m.BoxSpan : m.PipeDiameter), "##.0#");
    t.material = Text("Material", std::string(MaterialName(m)));
    t.inletType = Text(FieldLabel(Field::cboBoxinlet), m.InletType);
}

void FillOutputData(const Model& m, const DisplayUnits& u, OutputTexts& t) {
    const char* ft = u.length;
    t.hwDepth = Number("Head Water Depth", u.Length(m.HWDepth), "##0.00", ft);
    t.inletControl = Number("Inlet Control Elevation", u.Length(m.InletControlElev), "####.00", ft);
    t.breakControl = Number("Break Control Elevation", u.Length(m.BreakControlElev), "####.00", ft);
    if (m.InletSectionLength == 0) NotApplicable(t.breakControl);
    t.criticalDepth = Number("Critical Depth", u.Length(m.CriticalDepth), "##0.00", ft);
    t.twDepth = Number("Tailwater Depth", u.Length(m.TWDepth), "##0.00", ft);
    t.jump = Text("Hydraulic Jump?", m.JumpFlag);
    t.jumpStation = Number("Jump Station", u.Length(m.JumpStation), "###0.00", ft);
    t.jumpLength = Number("Jump Length", u.Length(m.JumpLength), "##0.00", ft);
    t.outletDepth = Number("Outlet Depth", u.Length(m.OutletDepth), "##0.00", ft);
    t.outletVelocity = Number("Outlet Velocity", u.Length(m.OutletVelocity), "###.00", u.velocity);
    t.outletFroude = FlowsFull(m.OutletDepth, m.BarrelHeight)
                         ? Text("Outlet Froude No.", kFullBarrel)
                         : Number("Outlet Froude No.", m.OutletFroude, "###.0", "");
}

void FillProfile(const Model& m, const DisplayUnits& u, OutputTexts& t) {
    const char* ft = u.length;
    const char* fps = u.velocity;
    t.inletDepth = Number("Inlet Depth", u.Length(m.DepthInlet), "##0.00", ft);
    t.upperBreakDepth = Number("Upper Break Depth", u.Length(m.DepthUpperBreak), "##0.00", ft);
    t.lowerBreakDepth = Number("Lower Break Depth", u.Length(m.DepthLowerBreak), "##0.00", ft);
    t.jumpEndDepth =
        Number("Depth at End of Hydraulic Jump", u.Length(m.CurrentDepth), "##0.00", ft);
    t.inletVelocity = Number("Inlet Velocity", u.Length(m.VelInlet), "###.00", fps);
    t.upperBreakVelocity =
        Number("Upper Break Velocity", u.Length(m.VelUpperBreak), "###.00", fps);
    t.lowerBreakVelocity =
        Number("Lower Break Velocity", u.Length(m.VelLowerBreak), "###.00", fps);
    t.jumpEndVelocity =
        Number("Velocity at End of Hydraulic Jump", u.Length(m.VelJumpEnd), "###.00", fps);
    t.twDepthNormal =
        Number("Tailwater Depth  (Normal Downstream)", u.Length(m.TWDepth), "##0.00", ft);
    t.twVelocity =
        Number("Tailwater Velocity (Normal Downstream)", u.Length(m.TWVelocity), "##0.00", fps);
}

void ApplyVisibility(const Model& m, OutputTexts& t) {
    bool jump = m.JumpFlag == "YES";
    for (ResultLine* line : {&t.jumpStation, &t.jumpLength, &t.jumpEndDepth, &t.jumpEndVelocity})
        line->visible = jump;
    if (!jump) {
        NotApplicable(t.jumpEndDepth);
        NotApplicable(t.jumpEndVelocity);
    }
    // A constant tailwater elevation has no channel velocity.
    t.twVelocity.visible = !IsConstantTailwater(m.TailwaterCode);
    // A single broken-back culvert has no upper break to control.
    t.breakControl.visible = !IsSingleBrokenBack(m.BreakCount);
}

}  // namespace

OutputTexts BuildOutputTexts(const Model& model, float unitSystem) {
    DisplayUnits units = UnitsFor(unitSystem);
    OutputTexts texts;
    texts.metric = units.metric;
    FillCulvert(model, units, texts);
    FillOutputData(model, units, texts);
    FillProfile(model, units, texts);
    ApplyVisibility(model, texts);
    texts.warnings = model.Warnings;
    return texts;
}

std::vector<ResultGroup> Groups(const OutputTexts& t) {
    return {
        {kProjectGroup, {&t.project, &t.location, &t.date}},
        {kCulvertGroup,
         {&t.discharge, &t.barrels, &t.shape, &t.size, &t.material, &t.inletType}},
        {"Output Data",
         {&t.hwDepth, &t.inletControl, &t.breakControl, &t.criticalDepth, &t.twDepth, &t.jump,
          &t.jumpStation, &t.jumpLength, &t.outletDepth, &t.outletVelocity, &t.outletFroude}},
        {kProfileCaption,
         {&t.inletDepth, &t.upperBreakDepth, &t.lowerBreakDepth, &t.jumpEndDepth,
          &t.inletVelocity, &t.upperBreakVelocity, &t.lowerBreakVelocity, &t.jumpEndVelocity,
          &t.twDepthNormal, &t.twVelocity}},
    };
}

}  // namespace kelp
