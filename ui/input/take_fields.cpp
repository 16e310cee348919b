#include "ui/input/take_fields.h"

#include "engine/number_text.h"

namespace kelp {
namespace {

// An empty or non-numeric field: the run stops taking fields there.
struct MissingField {};

class FieldTaker {
public:
    FieldTaker(const InputForm& form, bool metric) : form_(form), metric_(metric) {}

    float Number(Field f) const { return Scaled(f, 1.0); }
    float Length(Field f) const { return Scaled(f, kLengthFactor); }
    float Discharge(Field f) const { return Scaled(f, kDischargeFactor); }

private:
    float Scaled(Field f, double factor) const {
        auto value = ParseNumber(form_.text(f));
        if (!value) throw MissingField{};
        return F32(metric_ ? *value * factor : *value);
    }

    const InputForm& form_;
    bool metric_;
};

void TakeProfile(const InputForm& form, const FieldTaker& take, Model& m) {
    // A single broken-back culvert has its upper break at the inlet.
    bool twoBreaks = form.IsDouble();
    m.UpperBreakSta = take.Length(twoBreaks ? Field::txtUppersta : Field::txtInletsta);
    m.UpperBreakElev = take.Length(twoBreaks ? Field::txtUpperelev : Field::txtInletelev);
    m.InletSta = take.Length(Field::txtInletsta);
    m.InletElev = take.Length(Field::txtInletelev);
    m.LowerBreakSta = take.Length(Field::txtLowersta);
    m.LowerBreakElev = take.Length(Field::txtLowerelev);
    m.OutletSta = take.Length(Field::txtOutletsta);
    m.OutletElev = take.Length(Field::txtOutletelev);
}

void TakeBarrel(const InputForm& form, const FieldTaker& take, Model& m) {
    m.CulvertShape = form.IsBox() ? 2.0f : 1.0f;
    if (form.IsBox()) {
        m.BoxSpan = take.Length(Field::txtSpan);
        m.BoxRise = take.Length(Field::txtRise);
        m.BarrelWidth = m.BoxSpan;
        m.BarrelHeight = m.BoxRise;
    } else {
        m.PipeDiameter = take.Length(Field::txtDiameter);
        m.BarrelWidth = m.PipeDiameter;
        m.BarrelHeight = m.PipeDiameter;
    }
    m.CulvertN = take.Number(Field::txtBoxrough);
    m.OutletN = take.Number(Field::txtNOut);
}

void TakeChannel(const FieldTaker& take, Model& m) {
    // Each shape reads only the dimensions it has.
    if (m.TWShape == 1 || m.TWShape == 2) m.TWBottomWidth = take.Length(Field::txtTWbottom);
    if (m.TWShape == 2 || m.TWShape == 3) {
        m.TWLeftSlope = take.Number(Field::txtTWleftside);
        m.TWRightSlope = take.Number(Field::txtTWrightside);
    }
    if (m.TWShape == 6) m.TWDiameter = take.Length(Field::txtTWdiameter);
    m.TWSlope = take.Number(Field::txtTWslope);
    m.TWN = take.Number(Field::txtTWrough);
}

void TakeTailwater(const InputForm& form, const FieldTaker& take, Model& m) {
    m.TailwaterCode = static_cast<float>(form.TailwaterOption());
    if (m.TailwaterCode == 1) {
        m.TWElev = take.Length(Field::txtTWelev);
        m.TWVelocity = 0;
    } else if (m.TailwaterCode == 2) {
        TakeChannel(take, m);
    }
    // The irregular channel's data already lives in the model, in feet.
}

}  // namespace

bool TakeFields(InputForm& form, bool convertMetric) {
    Model& m = form.model();
    FieldTaker take(form, convertMetric && m.UnitSystem != 1);
    try {
        m.MinQ = take.Discharge(Field::txtMinDischarge);
        m.DesignQ = take.Discharge(Field::txtDesDischarge);
        m.MaxQ = take.Discharge(Field::txtMaxDischarge);
        m.NBarrels = take.Number(Field::txtBarrels);
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

}  // namespace kelp
