// The input form's state without any widget: every field's text, enabled state
// and background colour, the option choices, the list choices and contents,
// and the codes the form keeps in the analysis model. The desktop window is a
// thin view over this object; the project reader and kelp-cli fill it the same
// way, so every front end analyses exactly what the form holds.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/model.h"

namespace kelp {

// Every text field and list of the form, by control name.
enum class Field {
    txtProject, txtStation, txtDate,
    txtDiameter, cboPipematerial, txtSpan, txtRise, cboBoxinlet, txtBoxrough, txtNOut,
    txtInletsta, txtInletelev, txtUppersta, txtUpperelev,
    txtLowersta, txtLowerelev, txtOutletsta, txtOutletelev,
    txtMinDischarge, txtDesDischarge, txtMaxDischarge, txtBarrels,
    txtTWelev, cboTWshape, txtTWbottom, txtTWleftside, txtTWrightside, txtTWdiameter,
    txtTWslope, txtTWrough, cboTWMaterial,
    Count
};
inline constexpr std::size_t kFieldCount = static_cast<std::size_t>(Field::Count);

// Control name of a field ("txtMinDischarge"), for messages and tests.
const char* FieldName(Field field);
// Caption of the label beside a field ("Minimum Discharge"); empty for the
// fields that have none of their own.
const char* FieldLabel(Field field);

// Captions of the form's groups and of its choices, which the window shows
// and the printed input page repeats.
inline constexpr const char* kProjectGroup = "Project Data";
inline constexpr const char* kCulvertGroup = "Culvert Data";
inline constexpr const char* kProfileGroup = "Culvert Profile Data";
inline constexpr const char* kDischargeGroup = "Discharge Data";
inline constexpr const char* kTailwaterGroup = "Tailwater Data";
inline constexpr const char* kBoxCaption = "Concrete Box";
inline constexpr const char* kPipeCaption = "Circular Pipe";
inline constexpr const char* kSingleCaption = "Single Broken-back";
inline constexpr const char* kDoubleCaption = "Double Broken-back";
// By tailwater option 1, 2 and 3.
inline constexpr std::array<const char*, 3> kTailwaterCaptions{
    "Constant Elevation", "Downstream Channel", "Irregular Downstream Channel"};

// Which unit label stands beside a field; the labels of a group change together.
enum class UnitGroup { None, Discharge, Length, SideSlope, BottomSlope };
UnitGroup FieldUnitGroup(Field field);

// The names of the units of either system, as labels, results and pages
// show them.
struct UnitNames {
    const char* discharge;
    const char* length;
    const char* velocity;
    const char* slope;
};
inline constexpr UnitNames kEnglishUnits{"cfs", "ft", "ft/s", "ft/ft"};
inline constexpr UnitNames kMetricUnits{"cms", "m", "m/s", "m/m"};
constexpr const UnitNames& UnitNamesOf(bool metric) {
    return metric ? kMetricUnits : kEnglishUnits;
}

// Captions of the unit labels, English at start.
struct UnitCaptions {
    std::string discharge = kEnglishUnits.discharge;
    std::string length = kEnglishUnits.length;
    std::string sideSlope = "H:1V";
    std::string bottomSlope = kEnglishUnits.slope;
};

// Background colours as 0xRRGGBB.
inline constexpr uint32_t kWhite = 0xFFFFFF;
inline constexpr uint32_t kDisabledGrey = 0xC0C0C0;
inline constexpr uint32_t kButtonFace = 0xF0F0F0;  // the system's button face
inline constexpr uint32_t kFocusBlue = 0x9BC8F0;    // 15779995 as blue-green-red

// A number as the user entered it, and whether in metric units.
struct EnteredNumber {
    double value = 0;
    bool metric = false;
    // The same number in English or metric units; `factor` is the field's
    // unit factor (1 for a value that has no unit).
    double In(bool inMetric, double factor) const;
};

struct FieldState {
    std::string text;
    bool enabled = true;
    uint32_t background = kWhite;
    // After a unit switch the text shows the number converted and rounded to
    // the display format; the number itself stays as entered until the text
    // is edited, so switching units never changes what the user typed.
    std::optional<EnteredNumber> kept;
};

class InputForm {
public:
    // Builds the form in its start-up state (English units, defaults, box,
    // double broken-back, downstream channel) over the shared model. `today`
    // is the date text put into the date field.
    InputForm(Model& model, std::string today);

    Model& model() { return model_; }
    const Model& model() const { return model_; }
    // The date text the form was opened with; Open puts it back into the
    // date field.
    const std::string& today() const { return today_; }

    const FieldState& field(Field f) const { return fields_[Index(f)]; }
    const std::string& text(Field f) const { return field(f).text; }
    // Sets a field's text as typed, pasted or set by a handler; a text that
    // differs from the one held sets the document-changed flag and drops the
    // number a unit switch kept behind the old text.
    void SetText(Field f, std::string text);
    // A unit switch's rewrite: the converted text, with the number it stands
    // for kept behind it.
    void ShowConverted(Field f, std::string text, EnteredNumber number);
    // The number a field stands for: the one kept behind a rewritten text,
    // else its text read as a number in the units the texts are in
    // (`metricTexts`); nullopt when the text is empty or no number.
    std::optional<EnteredNumber> Number(Field f, bool metricTexts) const;

    // Option choices; each runs its handler (enabling rules, codes).
    void ChooseBox();
    void ChooseCircle(bool byLabel = false);  // by its caption: material "Concrete"
    void ChooseSingle();
    void ChooseDouble();
    void ChooseTWConstant();
    void ChooseTWDown();
    void ChooseTWIrregular();  // also what "Create/Edit Irregular Channel Data" does

    // List choices (text as chosen or typed into the list).
    void ChooseChannelShape(const std::string& text);
    void ChooseMaterial(const std::string& text);
    void ChooseInletType(const std::string& text);
    void ChooseChannelRoughness(const std::string& text);

    bool IsBox() const { return box_; }
    bool IsDouble() const { return double_; }
    // 1 constant elevation, 2 downstream channel, 3 irregular channel
    int TailwaterOption() const { return twOption_; }
    // Items of a list field (pipe material, inlet type, channel shape and
    // channel roughness).
    const std::vector<std::string>& Items(Field list) const;

    // Focus events: the focus colour, and the roughness copy on leaving the
    // barrel roughness field.
    void FocusGained(Field f);
    void FocusLost(Field f);
    // What leaving the barrel roughness field would do, done before the fields are taken by
    // a run or a save: the outlet section takes the barrel roughness when
    // that field was entered or edited since the outlet roughness was last
    // set. A later edit of the outlet roughness is never undone.
    void CopyPendingRoughness();

    // Key filter of the number fields: true when the typed character is kept
    // in a field holding `text`: digits, one point and Backspace. Enter is
    // never kept (the view moves the focus on).
    static bool KeyAccepted(Field f, std::string_view text, char key);
    bool KeyAccepted(Field f, char key) const { return KeyAccepted(f, text(f), key); }
    static bool IsNumberField(Field f);

    // Print commands: enabled by the 500 ms watcher once all three discharge
    // fields hold text, never disabled again.
    void WatchMenus();
    bool PrintEnabled() const { return printEnabled_; }

    bool dataChanged = false;
    UnitCaptions units;

private:
    static std::size_t Index(Field f) { return static_cast<std::size_t>(f); }
    FieldState& mut(Field f) { return fields_[Index(f)]; }
    void Enable(Field f);
    void Disable(Field f);                // grey, text cleared
    void DisableKeepText(Field f, uint32_t colour);
    void ApplyChannelShapeRule();

    Model& model_;
    std::string today_;
    std::array<FieldState, kFieldCount> fields_{};
    std::vector<std::string> inletItems_;
    bool box_ = true;
    bool double_ = true;
    int twOption_ = 2;
    bool printEnabled_ = false;
    bool roughnessCopyDue_ = false;
};

}  // namespace kelp
