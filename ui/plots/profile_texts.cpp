#include "ui/plots/profile_texts.h"

#include "form/catalogues.h"
#include "model/codes.h"
#include "model/number_text.h"
#include "results/display_units.h"

namespace kelp {

namespace {

constexpr const char* kLengthPattern = "0.00";
constexpr const char* kSlopePattern = "0.0000";

class TextMaker {
public:
    TextMaker(const Model& m, bool metric) : m_(m), u_(UnitsFor(metric ? 2 : 1)) {}

    std::string Length(float feet) const {
        return FormatNumber(u_.Length(feet), kLengthPattern) + " " + u_.length;
    }

    std::string Slope(double slope) const {
        return FormatNumber(slope, kSlopePattern) + " " + u_.slope;
    }

    std::vector<std::string> Project() const {
        std::vector<std::string> lines = ProjectLines(m_);
        lines.push_back(DischargeText(u_.Discharge(m_.AnalysisQ), u_.metric));
        return lines;
    }

    std::vector<std::string> Culvert() const {
        std::vector<std::string> lines;
        if (IsPipe(m_.CulvertShape)) {
            lines = {"Circle Pipe Culvert", "Diameter=" + Length(m_.PipeDiameter)};
        } else {
            lines = {"Concrete Box Culvert", "Span (per barrel)= " + Length(m_.BoxSpan),
                     "Rise= " + Length(m_.BoxRise)};
        }
        lines.push_back("Number of Barrels= " + FloatText(m_.NBarrels));
        lines.push_back("Culvert Material: " + std::string(MaterialName(m_)));
        lines.push_back("Rough. Coeff.= " + FloatText(m_.CulvertN));
        lines.push_back("Outlet Sec. Rough. Coeff.= " + FloatText(m_.OutletN));
        return lines;
    }

    std::vector<std::string> Results() const {
        std::vector<std::string> lines;
        if (m_.UpperBreakSta > m_.InletSta)
            lines.push_back("Inlet Section Slope= " + Slope(m_.ShownInletSlope));
        lines.push_back("Steep Section Slope= " + Slope(m_.ShownSteepSlope));
        lines.push_back("Outlet Section Slope= " + Slope(m_.ShownOutletSlope));
        lines.push_back("Headwater El.= " + Length(m_.HWElev));
        lines.push_back("Tailwater El.= " + Length(m_.TWElev));
        lines.push_back("Hydraulic Jump? " + m_.JumpFlag);
        if (m_.JumpFlag == "YES") {
            lines.push_back("Jump Station= " + Length(m_.JumpStation) + " from inlet");
            lines.push_back("Jump Length= " + Length(m_.JumpLength));
        }
        return lines;
    }

    std::string Unit() const { return std::string("(") + u_.length + ")"; }

private:
    const Model& m_;
    DisplayUnits u_;
};

}  // namespace

ProfileTexts BuildProfileTexts(const Model& model, bool metric) {
    TextMaker t(model, metric);
    return {"WATER SURFACE PROFILE", t.Project(),           t.Culvert(), t.Results(),
            "STATION" + t.Unit(),    "ELEVATION" + t.Unit()};
}

std::vector<std::string> ProjectLines(const Model& model) {
    return {"Project: " + model.ProjectName, "Location: " + model.ProjectLocation,
            "Date: " + model.ProjectDate};
}

std::string DischargeText(double shown, bool metric) {
    return "Q = " + FormatNumber(shown, metric ? "0.000" : "0.0") + " " +
           UnitNamesOf(metric).discharge;
}

std::string ExaggerationText(double factor) {
    return "Vertical exaggeration " + FormatNumber(factor, "0") + ":1";
}

}  // namespace kelp
