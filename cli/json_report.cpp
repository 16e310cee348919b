#include "cli/json_report.h"

#include <charconv>
#include <span>
#include <string>

#include "model/number_text.h"

namespace kelp::cli {
namespace {

// A 32-bit value as a JSON number that prints with the float's shortest
// digits: the double read from those digits prints them back unchanged.
Json Number(float value) {
    std::string text = JsonFloatText(value);
    double parsed = 0;
    std::from_chars(text.data(), text.data() + text.size(), parsed);
    return parsed;
}

constexpr const char* kWarningsKey = "Warnings";

struct NumberKey {
    const char* key;
    float Model::*value;
};

constexpr NumberKey kResultsBeforeJump[] = {
    {"AnalysisQ", &Model::AnalysisQ},
    {"BarrelQ", &Model::BarrelQ},
    {"TWDepth", &Model::TWDepth},
    {"TWElev", &Model::TWElev},
    {"TWVelocity", &Model::TWVelocity},
    {"CriticalDepth", &Model::CriticalDepth},
    {"NormalDepthInlet", &Model::NormalDepthInlet},
    {"NormalDepthSteep", &Model::NormalDepthSteep},
    {"NormalDepthOutlet", &Model::NormalDepthOutlet},
    {"InletControlElev", &Model::InletControlElev},
    {"BreakControlElev", &Model::BreakControlElev},
    {"HWElev", &Model::HWElev},
    {"HWDepth", &Model::HWDepth},
    {"DepthInlet", &Model::DepthInlet},
    {"DepthUpperBreak", &Model::DepthUpperBreak},
    {"DepthLowerBreak", &Model::DepthLowerBreak},
    {"VelInlet", &Model::VelInlet},
    {"VelUpperBreak", &Model::VelUpperBreak},
    {"VelLowerBreak", &Model::VelLowerBreak},
};

constexpr NumberKey kResultsAfterJump[] = {
    {"JumpStation", &Model::JumpStation},
    {"JumpLength", &Model::JumpLength},
    {"CurrentDepth", &Model::CurrentDepth},
    {"VelJumpEnd", &Model::VelJumpEnd},
    {"OutletDepth", &Model::OutletDepth},
    {"OutletVelocity", &Model::OutletVelocity},
    {"OutletFroude", &Model::OutletFroude},
    {"InletSectionLength", &Model::InletSectionLength},
    {"SteepSectionLength", &Model::SteepSectionLength},
    {"OutletSectionLength", &Model::OutletSectionLength},
    {"InletSectionSlope", &Model::InletSectionSlope},
    {"SteepSectionSlope", &Model::SteepSectionSlope},
    {"OutletSectionSlope", &Model::OutletSectionSlope},
};

constexpr NumberKey kBreakPoints[] = {
    {"UpperBreakPoint", &Model::UpperBreakPoint},
    {"LowerBreakPoint", &Model::LowerBreakPoint},
};

void AddNumbers(Json& out, const Model& m, std::span<const NumberKey> keys) {
    for (const NumberKey& k : keys) out[k.key] = Number(m.*k.value);
}

Json Profile(const Model& m) {
    Json points = Json::array();
    for (long i = 1; i <= m.ProfileIndex; ++i)
        points.push_back(Json::array({Number(m.ProfileStation[i]), Number(m.ProfileDepth[i])}));
    return points;
}

}  // namespace

Json DesignJson(const Model& model, ControlCase control) {
    Json out = Json::object();
    AddNumbers(out, model, kResultsBeforeJump);
    out["JumpFlag"] = model.JumpFlag;
    AddNumbers(out, model, kResultsAfterJump);
    out["ProfileIndex"] = model.ProfileIndex;
    AddNumbers(out, model, kBreakPoints);
    out["Control"] = static_cast<int>(control);
    out["Profile"] = Profile(model);
    out[kWarningsKey] = model.Warnings;
    return out;
}

Json RangeJson(const RatingTable& table) {
    Json rows = Json::array();
    for (int row = 0; row < RatingTable::kRows; ++row) {
        Json r = Json::object();
        for (const RatingColumn& column : kRatingColumns) {
            if (column.numbers)
                r[column.name] = Number(NumberAt(table, column, row));
            else
                r[column.name] = table.TableJump[static_cast<std::size_t>(row)];
        }
        r[kWarningsKey] = table.Warnings[row];
        rows.push_back(std::move(r));
    }
    return Json{{"rows", std::move(rows)}};
}

}  // namespace kelp::cli
