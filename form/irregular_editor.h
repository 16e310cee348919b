// The irregular cross-section editor ("Irregular TW Rating Curve") without
// any widget: the texts of its boxes, which of them show, the count check and
// "&Save and Exit". The window is a thin view over this object.
//
// The section is held in feet at all times. The editor converts only what it
// shows, and writes back only the coordinate boxes whose text the user
// changed, so a section shown in metres loses nothing when it is saved
// unedited.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "form/input_form.h"
#include "form/prompts.h"
#include "model/model.h"

namespace kelp {

inline constexpr const char* kIrregularTitle = "Irregular TW Rating Curve";
inline constexpr const char* kCountCaption =
    "Number of Cross-section Coordinates (Max = 15, Min = 3)";
inline constexpr const char* kEnterDataCaption = "Click Here to Enter Cross Section Data";
inline constexpr const char* kBoundaryCaption = "Coordinate number of channel boundaries";
inline constexpr const char* kOptionFrameCaption = "Subchannel Option (4 possible)";
inline constexpr const char* kManningCaption = " Manning's n value";
inline constexpr const char* kLeftOverbank = "Left overbank";
inline constexpr const char* kMainChannel = "Main channel";
inline constexpr const char* kRightOverbank = "Right overbank";
inline constexpr const char* kSlopeCaption = "Slope of Channel (ft)/(ft)";
inline constexpr const char* kSaveAndExitCaption = "&Save and Exit";

// The boxes of the editor other than the fifteen coordinate rows.
enum class IrrBox { txtNIRC, txtLLP, txtRP, txtNleft, txtNmain, txtNright, txtSlope, txtCOPT, Count };

// The subchannel options 1 to 4: caption, and which overbank's
// boundary and n boxes they show (the main channel's n always shows).
struct SubchannelOption {
    const char* caption;
    bool left;
    bool right;
};
inline constexpr std::array<SubchannelOption, 4> kSubchannelOptions{{
    {"Left floodplain and main channel", true, false},
    {"LT and RT floodplains and main channel", true, true},
    {"Right floodplain and main channel", false, true},
    {"Single main channel", false, false},
}};

class IrregularEditor {
public:
    static constexpr int kRows = 15;
    // Rows 1 to 3 always show: a section needs at least three points.
    static constexpr int kAlwaysShownRows = 3;

    explicit IrregularEditor(Model& model) : model_(model) {}

    // Fills every box from the section, in the unit system the model is in,
    // and shows the rows of its count.
    void Load();

    const std::string& text(IrrBox box) const { return boxes_[Index(box)]; }
    void SetText(IrrBox box, std::string text) { boxes_[Index(box)] = std::move(text); }
    // Coordinate rows 1..15.
    const std::string& StationText(int row) const { return stations_[Row(row)].text; }
    const std::string& ElevationText(int row) const { return elevations_[Row(row)].text; }
    void SetStationText(int row, std::string text) { stations_[Row(row)].text = std::move(text); }
    void SetElevationText(int row, std::string text) {
        elevations_[Row(row)].text = std::move(text);
    }

    bool Metric() const { return metric_; }
    std::string StationHeading() const { return metric_ ? "Station (m)" : "Station (ft)"; }
    std::string ElevationHeading() const { return metric_ ? "Elevation (m)" : "Elevation (ft)"; }

    // Subchannel options 1..4; 0 while none is selected.
    void ChooseOption(int option);
    int Option() const { return option_; }

    // A box shows together with its label.
    bool Visible(IrrBox box) const;
    bool RowVisible(int row) const;
    // Leaving the count box shows rows 4 to 15 up to the entered count.
    void CountFocusLost();

    // "Click Here to Enter Cross Section Data": complains about a count
    // outside 3..15; the count stays as entered.
    void CheckCount(Prompts& prompts) const;

    // "&Save and Exit". True when the section was written and the editor
    // closes; false when a box holds no number: the message is shown, nothing
    // is written and the editor stays open with what was typed.
    bool SaveAndExit(Prompts& prompts);

    // Key filter of every box: digits, one point and a leading minus, so
    // that stations and elevations below zero can be typed; Backspace passes
    // and Enter is never kept (the view moves the focus on). `text` is the
    // box's text less what the key replaces, `position` where it goes.
    static bool KeyAccepted(std::string_view text, std::size_t position, char key);

    // A unit switch of the input form: the coordinate boxes are computed
    // again from the stored section, as "0.00" in the new unit, for all
    // fifteen rows; the section itself does not change.
    void ShowUnits(bool metric);

private:
    // A coordinate box and the text it was last filled with: only a text the
    // user changed is written back.
    struct PointBox {
        std::string text;
        std::string shown;
        bool Edited() const { return text != shown; }
        void Show(std::string value) {
            text = value;
            shown = std::move(value);
        }
    };

    static std::size_t Index(IrrBox box) { return static_cast<std::size_t>(box); }
    static std::size_t Row(int row);
    template <typename Format>
    void ShowPoints(Format format);
    // Rows 4 to 15 show up to the count the count box holds.
    void ShowRowsOfCount();

    Model& model_;
    std::array<std::string, static_cast<std::size_t>(IrrBox::Count)> boxes_{};
    std::array<PointBox, kRows> stations_{}, elevations_{};
    bool metric_ = false;
    int option_ = 0;
    int rowsShown_ = kRows;
};

// "Create/Edit Irregular Channel Data" on the input form: the irregular
// tailwater is chosen there, and the editor is filled from the section.
void OpenIrregularEditor(InputForm& form, IrregularEditor& editor);

}  // namespace kelp
