// The two analysis commands of the input form, without any widget: take the
// form into the model (converting metric input), check it, compute lengths and
// slopes, and analyse. What a window would show (message boxes, the field that
// takes the focus) is returned, so the desktop program, kelp-cli and the tests
// report the same outcome.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/analysis.h"
#include "form/input_form.h"
#include "form/rating_table.h"

namespace kelp {

struct Message {
    std::string text;
    std::string title;          // empty: the program's default title
    bool exclamation = false;   // exclamation icon
};

// What ends a range run, or a row's detail, that met a fault.
Message RangeFailure();

struct RunOutcome {
    enum class Kind {
        Analysed,   // results are in the model (and the rating table)
        Refused,    // "Input data is insufficient !", a check or the slope limit
        Fault       // a fault during the analysis
    };
    Kind kind = Kind::Analysed;
    // Shown before the outcome without ending the run ("Error: ... occurred in CalSlope").
    std::vector<Message> notices;
    // The box that ended the run (Refused, Fault).
    std::optional<Message> message;
    // Field that takes the focus after a refused check.
    std::optional<Field> focus;
    // Design run: control case of the analysis.
    ControlCase control = ControlCase::Inlet;
};

// "Press Button to Analyze Design Discharge ": sets RunMode 1 and analyses DesignQ.
RunOutcome RunDesign(InputForm& form);

// The eleven table discharges: minimum to maximum in ten steps with the design
// discharge worked in.
std::array<float, 11> TableDischarges(float minQ, float designQ, float maxQ);

// "Press Button to Analyze Range of Discharges ": sets RunMode 0, fills the table.
RunOutcome RunRange(InputForm& form, RatingTable& table);

// A row's detail command: analyses TableQ(row) again after the text round trip.
// Throws RuntimeFault as the analysis does.
ControlCase AnalyseRow(Model& model, const RatingTable& table, int row);

}  // namespace kelp
