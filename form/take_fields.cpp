#include "form/take_fields.h"

#include "model/codes.h"
#include "model/number_text.h"

namespace kelp {
namespace {

// An empty or non-numeric field: the run stops taking fields there.
struct MissingField {};

// Sets model values from the fields. For an analysis every number goes in
// English units; for a save each stays in the units it was entered in, and
// the values held in metric units are listed.
class FieldTaker {
public:
    FieldTaker(const InputForm& form, bool metricTexts, MetricValues* metric)
        : form_(form), metricTexts_(metricTexts), metric_(metric) {}

    void Number(float& to, Field f) const { Scaled(to, f, 1.0); }
    void Length(float& to, Field f) const { Scaled(to, f, kLengthFactor); }
    void Discharge(float& to, Field f) const { Scaled(to, f, kDischargeFactor); }

private:
    void Scaled(float& to, Field f, double factor) const {
        std::optional<EnteredNumber> number = form_.Number(f, metricTexts_);
        if (!number) throw MissingField{};
        bool keptMetric = metric_ && number->metric && factor != 1.0;
        to = F32(keptMetric ? number->value : number->In(false, factor));
        if (keptMetric) metric_->push_back(&to);
    }

    const InputForm& form_;
    bool metricTexts_;
    MetricValues* metric_;
};

void TakeProfile(const InputForm& form, const FieldTaker& take, Model& m) {
    // A single broken-back culvert has its upper break at the inlet.
    bool twoBreaks = form.IsDouble();
    take.Length(m.UpperBreakSta, twoBreaks ? Field::txtUppersta : Field::txtInletsta);
    take.Length(m.UpperBreakElev, twoBreaks ? Field::txtUpperelev : Field::txtInletelev);
    take.Length(m.InletSta, Field::txtInletsta);
    take.Length(m.InletElev, Field::txtInletelev);
    take.Length(m.LowerBreakSta, Field::txtLowersta);
    take.Length(m.LowerBreakElev, Field::txtLowerelev);
    take.Length(m.OutletSta, Field::txtOutletsta);
    take.Length(m.OutletElev, Field::txtOutletelev);
}

void TakeBarrel(const InputForm& form, const FieldTaker& take, Model& m) {
    m.CulvertShape = form.IsBox() ? 2.0f : 1.0f;
    if (form.IsBox()) {
        take.Length(m.BoxSpan, Field::txtSpan);
        take.Length(m.BoxRise, Field::txtRise);
        m.BarrelWidth = m.BoxSpan;
        m.BarrelHeight = m.BoxRise;
    } else {
        take.Length(m.PipeDiameter, Field::txtDiameter);
        m.BarrelWidth = m.PipeDiameter;
        m.BarrelHeight = m.PipeDiameter;
    }
    take.Number(m.CulvertN, Field::txtBoxrough);
    take.Number(m.OutletN, Field::txtNOut);
}

void TakeChannel(const FieldTaker& take, Model& m) {
    // Each shape reads only the dimensions it has.
    if (IsRectangularChannel(m.TWShape) || IsTrapezoidalChannel(m.TWShape))
        take.Length(m.TWBottomWidth, Field::txtTWbottom);
    if (IsTrapezoidalChannel(m.TWShape) || IsTriangularChannel(m.TWShape)) {
        take.Number(m.TWLeftSlope, Field::txtTWleftside);
        take.Number(m.TWRightSlope, Field::txtTWrightside);
    }
    if (IsCircularChannel(m.TWShape)) take.Length(m.TWDiameter, Field::txtTWdiameter);
    take.Number(m.TWSlope, Field::txtTWslope);
    take.Number(m.TWN, Field::txtTWrough);
}

void TakeTailwater(const InputForm& form, const FieldTaker& take, Model& m) {
    m.TailwaterCode = static_cast<float>(form.TailwaterOption());
    if (IsConstantTailwater(m.TailwaterCode)) {
        take.Length(m.TWElev, Field::txtTWelev);
        m.TWVelocity = 0;
    } else if (IsRegularChannel(m.TailwaterCode)) {
        TakeChannel(take, m);
    }
    // The irregular channel's data already lives in the model, in feet.
}

bool Take(InputForm& form, Model& m, MetricValues* metric) {
    form.CopyPendingRoughness();
    FieldTaker take(form, !IsEnglish(form.model().UnitSystem), metric);
    try {
        take.Discharge(m.MinQ, Field::txtMinDischarge);
        take.Discharge(m.DesignQ, Field::txtDesDischarge);
        take.Discharge(m.MaxQ, Field::txtMaxDischarge);
        take.Number(m.NBarrels, Field::txtBarrels);
        m.ProjectName = form.text(Field::txtProject);
        m.ProjectLocation = form.text(Field::txtStation);
        m.ProjectDate = form.text(Field::txtDate);
        TakeProfile(form, take, m);
        TakeBarrel(form, take, m);
        TakeTailwater(form, take, m);
    } catch (const MissingField&) {
        return false;
    }
    return true;
}

}  // namespace

bool TakeFields(InputForm& form) { return Take(form, form.model(), nullptr); }

bool TakeFieldsAsEntered(InputForm& form, Model& into, MetricValues& metric) {
    return Take(form, into, &metric);
}

}  // namespace kelp
