// Rating of the irregular cross-section: for each discharge, the water surface
// at which the subsections together carry it, by a secant search inside a
// bracket set by the bank elevations, with a bisection when the secant is slow.
#include "tailwater/irregular_channel.h"

#include <cmath>
#include <string_view>

#include "model/number_text.h"

namespace kelp {
namespace {

constexpr double kNoFlow = 0.1;               // cfs
constexpr double kJustAboveBank = 0.0001;     // ft
constexpr double kAboveBracketLow = 0.00001;  // ft
constexpr double kSecantTolerance = 0.005;    // relative residual
constexpr int kSecantSteps = 10;
constexpr double kBelowBracketStep = 0.01;  // ft
constexpr int kBisectionRounds = 31;
constexpr double kBisectionWidth = 0.0005;  // ft

double Elev(const Model& m, int i) { return m.IrrElev[i]; }

// Elevations as their text reads back, so that differences below the text
// precision of a single-precision number do not pick a lowest point.
double ShownElevation(float elevation) { return ParseNumber(FloatText(elevation)).value(); }

int16_t LowestPoint(const Model& m) {
    int16_t lowest = 1;
    for (int16_t i = 2; i <= m.IrrCount; ++i) {
        if (ShownElevation(m.IrrElev[i]) < ShownElevation(m.IrrElev[lowest])) lowest = i;
    }
    return lowest;
}

// A right end lower than the left end would let the water spill off the
// section: close it with a vertical wall up to the left end's elevation.
void AddRightWall(Model& m) {
    const int16_t n = m.IrrCount;
    if (!(m.IrrElev[n] < m.IrrElev[1])) return;
    if (n >= 15) {
        m.IrrElev[15] = m.IrrElev[1];
        return;
    }
    m.IrrSta[n + 1] = m.IrrSta[n];
    m.IrrElev[n + 1] = m.IrrElev[1];
    m.IrrCount = Inc16(n);
}

void Prepare(Model& m, IrregularRating& r) {
    m.IrrStatus = kIrrNone;
    r.topIndex = m.IrrElev[1] > m.IrrElev[m.IrrCount] ? int16_t{1} : m.IrrCount;
    r.lowestPoint = LowestPoint(m);
    AddRightWall(m);
    r.capacity[5] = IrregularDischarge(m, r, Elev(m, r.topIndex));
    if (HasLeftOverbank(m)) {
        r.capacity[1] = IrregularDischarge(m, r, Elev(m, m.IrrLeftBank));
        r.capacity[2] = IrregularDischarge(m, r, Elev(m, m.IrrLeftBank) + kJustAboveBank);
    }
    if (HasRightOverbank(m)) {
        r.capacity[3] = IrregularDischarge(m, r, Elev(m, m.IrrRightBank));
        r.capacity[4] = IrregularDischarge(m, r, Elev(m, m.IrrRightBank) + kJustAboveBank);
    }
}

struct FixedState {
    std::string_view state = kIrrNone;
    double ws = 0;
};

// Discharges that hold the water at a fixed elevation; each later check
// overrides an earlier one.
FixedState CheckStates(const Model& m, const IrregularRating& r, double q) {
    FixedState f;
    const auto& cap = r.capacity;
    if (q < kNoFlow) f = {kIrrNoFlow, Elev(m, r.lowestPoint)};
    if (HasLeftOverbank(m) && cap[1] <= q && q <= cap[2]) {
        f = {kIrrLeftOverbank, Elev(m, m.IrrLeftBank)};
    }
    if (HasRightOverbank(m) && cap[3] <= q && q <= cap[4]) {
        f = {kIrrRightOverbank, Elev(m, m.IrrRightBank)};
    }
    if (q > cap[5]) f = {kIrrCapacityExceeded, Elev(m, r.topIndex)};
    return f;
}

struct Bank {
    double elevation;
    double discharge;
};

// The stretch of elevations in which the discharge must lie: below a bank's
// discharge the water is under that bank, above it over the bank.
void ChooseBracket(const Model& m, IrregularRating& r, double q) {
    const double lowest = Elev(m, r.lowestPoint), top = Elev(m, r.topIndex);
    const Bank left{Elev(m, m.IrrLeftBank), r.capacity[1]};
    const Bank right{Elev(m, m.IrrRightBank), r.capacity[3]};
    double from = lowest, to = top;
    if (HasLeftOverbank(m) != HasRightOverbank(m)) {  // one overbank
        const Bank& bank = HasLeftOverbank(m) ? left : right;
        if (q < bank.discharge) {
            to = bank.elevation;
        } else {
            from = bank.elevation;
        }
    } else if (HasLeftOverbank(m)) {  // both overbanks
        const bool leftLower = left.elevation <= right.elevation;
        const Bank& lower = leftLower ? left : right;
        const Bank& higher = leftLower ? right : left;
        if (q < lower.discharge) {
            to = lower.elevation;
        } else if (q < higher.discharge) {
            from = lower.elevation;
            to = higher.elevation;
        } else {
            from = higher.elevation;
        }
    }
    r.low = from + kAboveBracketLow;
    r.high = to;
}

double Residual(const Model& m, IrregularRating& r, double q, double ws) {
    return q - IrregularDischarge(m, r, ws);
}

struct SearchEnd {
    double ws = 0;
    int steps = 0;
};

// Secant steps from the top of the bracket and a second point: the middle of
// the bracket, or from the third discharge on the previous result when it
// lies inside the bracket. A step below the previous result is held there
// without a new evaluation, so the rating never falls as the discharge grows
// (for the first discharge that floor is 0).
SearchEnd Secant(const Model& m, IrregularRating& r, double q, int position) {
    const double floor = r.IrrWSElev[position - 1];
    const double middle = r.low + (r.high - r.low) / 2.0;
    const bool warm = position >= 3 && floor >= r.low && floor <= r.high;
    double ws1 = r.high, f1 = Residual(m, r, q, ws1);
    double ws2 = warm ? floor : middle, f2 = Residual(m, r, q, ws2);
    double wsNew = ws2, f = f2;
    SearchEnd end;
    double relative = 0;
    do {
        ++end.steps;
        if (f2 != f1) wsNew = ws2 - Div((ws2 - ws1) * f2, f2 - f1);
        if (wsNew > r.high) wsNew = r.high;
        if (wsNew < r.low) wsNew = r.low + kBelowBracketStep;
        if (wsNew < floor) {
            wsNew = floor;
        } else {
            f = Residual(m, r, q, wsNew);
        }
        ws1 = ws2;
        f1 = f2;
        ws2 = wsNew;
        f2 = f;
        relative = Div(std::fabs(f), q);
    } while (relative > kSecantTolerance && end.steps < kSecantSteps);
    end.ws = wsNew;
    return end;
}

// Halves the bracket, keeping the sign of the residual at its low end, until
// it is 0.0005 ft wide or 31 rounds have run. The answer is the last middle.
double Bisect(const Model& m, IrregularRating& r, double q) {
    double lo = r.low, hi = r.high;
    const double fLow = Residual(m, r, q, lo);
    double mid = (lo + hi) / 2.0;
    double fMid = Residual(m, r, q, mid);
    if (fMid == 0.0) return mid;
    for (int count = 2;; ++count) {
        if (F32(fMid * fLow) <= 0.0f) {
            hi = mid;
        } else {
            lo = mid;
        }
        mid = (lo + hi) / 2.0;
        if (count >= kBisectionRounds || fMid == 0.0 || std::fabs(hi - lo) <= kBisectionWidth) {
            return mid;
        }
        fMid = Residual(m, r, q, mid);
    }
}

double SearchElevation(const Model& m, IrregularRating& r, double q, int position) {
    ChooseBracket(m, r, q);
    const SearchEnd secant = Secant(m, r, q, position);
    return secant.steps >= kSecantSteps ? Bisect(m, r, q) : secant.ws;
}

void RateDischarge(Model& m, IrregularRating& r, int position) {
    const double q = r.IrrQ[position - 1];
    const FixedState fixed = CheckStates(m, r, q);
    double ws = fixed.ws;
    if (fixed.state == kIrrNone) {
        ws = SearchElevation(m, r, q, position);
    } else {
        m.IrrStatus = std::string(fixed.state);
        IrregularDischarge(m, r, ws);
    }
    r.state[position] = fixed.state;
    r.IrrWSElev[position] = F32(ws);
    r.IrrVel[position] = F32(r.sub[2].velocity);
    r.IrrFroude[position] = F32(r.mainFroude);
}

}  // namespace

void RateIrregularChannel(Model& m, IrregularRating& r) {
    Prepare(m, r);
    for (int position = 1; position <= 11; ++position) RateDischarge(m, r, position);
}

}  // namespace kelp
