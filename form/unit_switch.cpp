#include "form/unit_switch.h"

#include <array>

#include "model/codes.h"
#include "model/number_text.h"

namespace kelp {
namespace {

struct Converted {
    Field field;
    double factor;
};

// In the order they are rewritten; the upper break follows only for a double
// broken-back profile.
constexpr std::array<Converted, 15> kConverted{{
    {Field::txtDesDischarge, kDischargeFactor},
    {Field::txtMinDischarge, kDischargeFactor},
    {Field::txtMaxDischarge, kDischargeFactor},
    {Field::txtTWelev, kLengthFactor},
    {Field::txtTWbottom, kLengthFactor},
    {Field::txtTWdiameter, kLengthFactor},
    {Field::txtDiameter, kLengthFactor},
    {Field::txtSpan, kLengthFactor},
    {Field::txtRise, kLengthFactor},
    {Field::txtInletsta, kLengthFactor},
    {Field::txtInletelev, kLengthFactor},
    {Field::txtLowersta, kLengthFactor},
    {Field::txtLowerelev, kLengthFactor},
    {Field::txtOutletsta, kLengthFactor},
    {Field::txtOutletelev, kLengthFactor},
}};
constexpr std::array<Field, 2> kUpperBreak{Field::txtUppersta, Field::txtUpperelev};

// Metric texts carry one more decimal: a metre is about three feet.
constexpr const char* kEnglishFormat = "0.00";
constexpr const char* kMetricFormat = "0.000";

// After any unit choice the side-slope captions carry the blank line the
// user writes the ratio on.
UnitCaptions Captions(bool metric) {
    const UnitNames& names = UnitNamesOf(metric);
    return {names.discharge, names.length, "__H:1V", names.slope};
}

// A text that is not a number (an empty field in particular) stays as it is.
// The text shows the number rounded; the number stays as it was entered.
void Rewrite(InputForm& form, Field field, double factor, bool toMetric) {
    std::optional<EnteredNumber> number = form.Number(field, !toMetric);
    if (!number) return;
    double converted = number->In(toMetric, factor);
    form.ShowConverted(field, FormatNumber(converted, toMetric ? kMetricFormat : kEnglishFormat),
                       *number);
}

}  // namespace

// The fields are in the unit checked on this form, whatever a result window
// shows at the moment, so the check mark decides whether they are converted.
void UnitSwitch::ChooseEnglish() {
    const bool wasMetric = metric_;
    metric_ = false;
    form_.units = Captions(false);
    Model& m = form_.model();
    m.Gravity = kEnglishGravity;
    m.ManningConst = kEnglishManning;
    if (wasMetric) Convert(false);
    m.UnitSystem = 1;
}

void UnitSwitch::ChooseMetric() {
    const bool wasMetric = metric_;
    metric_ = true;
    form_.units = Captions(true);
    if (!wasMetric) Convert(true);
    form_.model().UnitSystem = 2;
}

void UnitSwitch::Convert(bool toMetric) {
    if (rewriteEditorBoxes) rewriteEditorBoxes(toMetric ? 2.0f : 1.0f);
    for (const Converted& c : kConverted) Rewrite(form_, c.field, c.factor, toMetric);
    if (!IsSingleBrokenBack(form_.model().BreakCount))
        for (Field f : kUpperBreak) Rewrite(form_, f, kLengthFactor, toMetric);
}

}  // namespace kelp
