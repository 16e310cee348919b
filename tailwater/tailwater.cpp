#include "tailwater/tailwater.h"

#include "model/codes.h"
#include "tailwater/irregular_channel.h"
#include "tailwater/regular_channel.h"

namespace kelp {
namespace {

struct StateWarning {
    const char* state;
    const char* sentence;
};

// What each fixed-elevation state of the irregular channel means for the
// designer reading the tailwater.
constexpr StateWarning kStateWarnings[] = {
    {kIrrNoFlow,
     "The discharge is too small to flow in the irregular downstream channel; the tailwater is "
     "held at the lowest point of the cross-section."},
    {kIrrLeftOverbank,
     "The irregular downstream channel is just filling to its left overbank; the tailwater is "
     "held at the left bank elevation."},
    {kIrrRightOverbank,
     "The irregular downstream channel is just filling to its right overbank; the tailwater is "
     "held at the right bank elevation."},
    {kIrrCapacityExceeded,
     "The discharge exceeds the capacity of the irregular downstream channel; the tailwater is "
     "held at the top of the cross-section."},
};

void WarnOfState(Model& m, const std::string& state) {
    for (const StateWarning& w : kStateWarnings) {
        if (state == w.state) m.Warnings.emplace_back(w.sentence);
    }
}

void ConstantTailwater(Model& m) { m.TWDepth = F32(static_cast<double>(m.TWElev) - m.OutletElev); }

// The rating is run for the discharge and ten more up to 0.001 cfs above it;
// the first result, for the discharge itself, is the tailwater.
void IrregularTailwater(Model& m) {
    IrregularRating rating;
    const double lowest = m.AnalysisQ;
    const double step = (lowest + 0.001 - lowest) / 10.0;
    for (int i = 0; i <= 10; ++i) rating.IrrQ[i] = F32(lowest + step * i);
    RateIrregularChannel(m, rating);
    m.TWElev = rating.IrrWSElev[1];
    m.TWDepth = F32(static_cast<double>(m.TWElev) - m.OutletElev);
    m.TWVelocity = rating.IrrVel[1];
    WarnOfState(m, rating.state[1]);
}

}  // namespace

void ComputeTailwater(Model& m) {
    if (IsConstantTailwater(m.TailwaterCode)) {
        ConstantTailwater(m);
    } else if (IsRegularChannel(m.TailwaterCode)) {
        RegularChannelTailwater(m);
    } else if (IsIrregularChannel(m.TailwaterCode)) {
        IrregularTailwater(m);
    }
}

}  // namespace kelp
