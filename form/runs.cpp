#include "form/runs.h"

#include <algorithm>
#include <optional>
#include <string>

#include "form/prompts.h"
#include "form/take_fields.h"
#include "model/codes.h"
#include "model/number_text.h"

namespace kelp {
namespace {

constexpr const char* kSlopeTooSteep = "Slope greater than allowable.";

// A message box with the program's default title and no icon.
Message Plain(std::string text) { return {std::move(text), {}, false}; }

enum class Profile { Any, Single, Double };

// The order the discharges and the stations must keep: `first` below `second`.
struct OrderCheck {
    float Model::*first;
    float Model::*second;
    Profile profile;
    const char* message;
    Field focus;
};

constexpr OrderCheck kOrderChecks[] = {
    {&Model::MinQ, &Model::DesignQ, Profile::Any,
     "Program Error:  Design discharge must be greater than minimum discharge",
     Field::txtDesDischarge},
    {&Model::DesignQ, &Model::MaxQ, Profile::Any,
     "Program Error:  Maximum discharge must be greater than design discharge",
     Field::txtMaxDischarge},
    {&Model::InletSta, &Model::UpperBreakSta, Profile::Double,
     "Program Error:  Inlet station must be less than upper break station\"", Field::txtUppersta},
    {&Model::UpperBreakSta, &Model::LowerBreakSta, Profile::Double,
     "Program Error:  Upper break station must be less than lower break station\"",
     Field::txtLowersta},
    {&Model::InletSta, &Model::LowerBreakSta, Profile::Single,
     "Program Error:  Inlet station must be less than lower break station\"", Field::txtLowersta},
    {&Model::LowerBreakSta, &Model::OutletSta, Profile::Any,
     "Program Error:  Lower break station must be less than outlet station\"", Field::txtOutletsta},
};

// The design run wants each value strictly below the next; the range run lets
// equal values pass.
enum class Strictness { Strict, EqualPasses };

const OrderCheck* FirstFailedCheck(const Model& m, Strictness strictness) {
    Profile profile = IsSingleBrokenBack(m.BreakCount) ? Profile::Single : Profile::Double;
    for (const OrderCheck& check : kOrderChecks) {
        if (check.profile != Profile::Any && check.profile != profile) continue;
        float first = m.*check.first;
        float second = m.*check.second;
        bool passes = strictness == Strictness::Strict ? first < second : !(first > second);
        if (!passes) return &check;
    }
    return nullptr;
}

// A slope as the plot and the pages show it: rounded to four decimals.
double ShownSlope(double rise, double run) {
    return LeadingNumber(FormatNumber(Div(rise, run), "0.0000"));
}

// The display slopes from the profile fields as entered (the number a unit
// switch kept behind a text, else the text's leading number; an empty field
// is 0), all in the units of the texts. A fault leaves all three as they
// were and is only reported.
std::optional<Message> CalSlope(const InputForm& form, Model& m) {
    bool metricTexts = !IsEnglish(m.UnitSystem);
    auto value = [&form, metricTexts](Field f) {
        const std::optional<EnteredNumber>& kept = form.field(f).kept;
        return kept ? kept->In(metricTexts, kLengthFactor) : LeadingNumber(form.text(f));
    };
    double inletSta = value(Field::txtInletsta), inletElev = value(Field::txtInletelev);
    double upperSta = value(Field::txtUppersta), upperElev = value(Field::txtUpperelev);
    double lowerSta = value(Field::txtLowersta), lowerElev = value(Field::txtLowerelev);
    double outletSta = value(Field::txtOutletsta), outletElev = value(Field::txtOutletelev);
    try {
        double outlet = ShownSlope(lowerElev - outletElev, outletSta - lowerSta);
        double inlet = m.ShownInletSlope;
        double steep = 0;
        if (upperSta == 0) {
            steep = ShownSlope(inletElev - lowerElev, lowerSta - inletSta);
        } else {
            steep = ShownSlope(upperElev - lowerElev, lowerSta - upperSta);
            inlet = ShownSlope(inletElev - upperElev, upperSta - inletSta);
        }
        m.ShownOutletSlope = outlet;
        m.ShownSteepSlope = steep;
        m.ShownInletSlope = inlet;
    } catch (const RuntimeFault& fault) {
        return Plain(FaultText(fault.what(), "CalSlope"));
    }
    return std::nullopt;
}

RunOutcome& Refuse(RunOutcome& out, Message message, std::optional<Field> focus = {}) {
    out.kind = RunOutcome::Kind::Refused;
    out.message = std::move(message);
    out.focus = focus;
    return out;
}

RunOutcome& Fail(RunOutcome& out, Message message) {
    out.kind = RunOutcome::Kind::Fault;
    out.message = std::move(message);
    return out;
}

Message SlopeTooSteep() { return {kSlopeTooSteep, kProgramName, true}; }

// Common start of both runs: display slopes, fields, order checks. Returns
// false when the run has been refused.
bool TakeAndCheck(InputForm& form, RunOutcome& out, Strictness strictness) {
    Model& m = form.model();
    if (auto notice = CalSlope(form, m)) out.notices.push_back(*notice);
    if (!TakeFields(form)) {
        Refuse(out, Plain(kInsufficientInput));
        return false;
    }
    if (const OrderCheck* failed = FirstFailedCheck(m, strictness)) {
        Refuse(out, Plain(failed->message), failed->focus);
        return false;
    }
    return true;
}

std::string DesignFaultText(const RuntimeFault& fault) {
    std::string text = FaultText(fault.what(), "the design discharge analysis");
    if (!fault.where().empty()) text += " (" + fault.where() + ")";
    return text;
}

void FillTable(Model& m, RatingTable& table) {
    table = RatingTable{};
    auto discharges = TableDischarges(m.MinQ, m.DesignQ, m.MaxQ);
    std::copy(discharges.begin(), discharges.end(), table.TableQ.begin());
    int start = 0;
    if (table.TableQ[0] == 0) {
        // No flow to analyse: the row keeps its zeros.
        table.TableJump[0] = kNotAnalysed;
        start = 1;
    }
    for (int row = start; row < RatingTable::kRows; ++row) {
        AnalyseRow(m, table, row);
        CopyRow(m, table, row);
    }
}

}  // namespace

Message RangeFailure() {
    return {"KELP IS UNABLE TO PERFORM TASK, AN ERROR OCCURED DURING PROCESSING", "KELP Monitor",
            true};
}

RunOutcome RunDesign(InputForm& form) {
    Model& m = form.model();
    m.RunMode = 1;
    RunOutcome out;
    try {
        if (!TakeAndCheck(form, out, Strictness::Strict)) return out;
    } catch (const RuntimeFault& fault) {
        return Fail(out, {FaultText(fault.what(), kTakeFieldsRoutine), kProgramName, false});
    }
    try {
        ComputeSectionLengths(m);
        for (float slope : {m.SteepSectionSlope, m.InletSectionSlope, m.OutletSectionSlope})
            if (slope > kSlopeLimit) return Refuse(out, SlopeTooSteep());
        out.control = AnalyseDischarge(m, RoundTrip(m.DesignQ));
    } catch (const RuntimeFault& fault) {
        return Fail(out, {DesignFaultText(fault), kProgramName, false});
    }
    return out;
}

std::array<float, 11> TableDischarges(float minQ, float designQ, float maxQ) {
    std::array<float, 11> q{};
    q[0] = minQ;
    q[10] = maxQ;
    double step = (static_cast<double>(maxQ) - minQ) / 10.0;
    for (int i = 1; i <= 9; ++i) q[i] = F32(q[i - 1] + step);
    // The design discharge takes the place of the first grid value above it,
    // when it lies strictly between two grid values below the maximum.
    for (int i = 1; i <= 9; ++i) {
        if (q[i - 1] < designQ && designQ < q[i]) {
            q[i] = designQ;
            break;
        }
    }
    return q;
}

RunOutcome RunRange(InputForm& form, RatingTable& table) {
    Model& m = form.model();
    m.RunMode = 0;
    RunOutcome out;
    try {
        if (!TakeAndCheck(form, out, Strictness::EqualPasses)) return out;
        ComputeSectionLengths(m);
        if (m.SteepSectionSlope > kSlopeLimit) return Refuse(out, SlopeTooSteep());
        FillTable(m, table);
    } catch (const RuntimeFault&) {
        return Fail(out, RangeFailure());
    }
    return out;
}

ControlCase AnalyseRow(Model& model, const RatingTable& table, int row) {
    if (row < 0 || row >= RatingTable::kRows) throw RuntimeFault(kSubscriptOutOfRange);
    return AnalyseDischarge(model, RoundTrip(table.TableQ[row]));
}

}  // namespace kelp
