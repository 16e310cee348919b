// Normal depth in a surveyed irregular cross-section of up to 15 points, split
// into a main channel and up to two overbanks, each with its own Manning's n.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/model.h"

namespace kelp {

// States of a rated discharge, spelled as the program has always kept them.
inline constexpr const char* kIrrNone = "NONE";
inline constexpr const char* kIrrNoFlow = "NO FLOW";
inline constexpr const char* kIrrLeftOverbank = "LEFT OVERBANK BEING INNUNDATED";
inline constexpr const char* kIrrRightOverbank = "RIGHT OVERBANK BEING INNUNDATED";
inline constexpr const char* kIrrCapacityExceeded =
    "CHANNEL CAPACITY EXCEEDED: ENTER ADDITIONAL DATA";

// Subchannel options: 1 left floodplain and main channel, 2 both floodplains
// and the main channel, 3 right floodplain and main channel, 4 main channel.
inline bool HasLeftOverbank(const Model& m) { return m.IrrOption == 1 || m.IrrOption == 2; }
inline bool HasRightOverbank(const Model& m) { return m.IrrOption == 2 || m.IrrOption == 3; }

// Flow in one subsection (1 left overbank, 2 main channel, 3 right overbank)
// at the water surface last evaluated.
struct SubsectionFlow {
    double area = 0;
    double perimeter = 0;
    double radius = 0;
    double topWidth = 0;
    double conveyance = 0;
    double discharge = 0;
    double velocity = 0;
};

// Working values of one rating run. Lists follow the program's numbering:
// discharges 0..10, results 1..11 (result i belongs to discharge i - 1),
// capacity entries 1..5, subsections 1..3.
struct IrregularRating {
    std::array<float, 11> IrrQ{};
    std::array<float, 12> IrrWSElev{}, IrrVel{}, IrrFroude{};
    std::array<std::string, 12> state{};  // the state each result ended in

    int16_t lowestPoint = 1;
    int16_t topIndex = 1;
    // Discharges at the left bank, just above it, at the right bank, just
    // above it, and at the top of the section.
    std::array<double, 6> capacity{};
    double low = 0, high = 0;  // search bracket of the discharge being rated

    std::array<SubsectionFlow, 4> sub{};
    double mainFroude = 0;
};

// Rates model's irregular section for rating.IrrQ(0..10): fills the result
// lists and the states, and leaves model.IrrStatus at the state of the run.
// A section whose right end lies below its left end gains a vertical wall at
// the right end (model.IrrCount and the points change).
void RateIrregularChannel(Model& model, IrregularRating& rating);

// Hydraulics at water-surface elevation ws: fills rating.sub and
// rating.mainFroude and returns the total discharge. Needs the lowest point
// and the top index of the rating run.
double IrregularDischarge(const Model& model, IrregularRating& rating, double ws);

}  // namespace kelp
