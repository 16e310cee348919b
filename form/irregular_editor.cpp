#include "form/irregular_editor.h"

#include <optional>

#include "form/take_fields.h"
#include "model/codes.h"
#include "model/number_text.h"

namespace kelp {
namespace {

constexpr const char* kCountTooSmall = "Number of Cross-Sections must be >= 3";
constexpr const char* kCountTooLarge = "Number of Cross-Sections must be <= 15";
constexpr int kMinCount = 3;
constexpr int kMaxCount = 15;
constexpr const char* kSwitchPattern = "0.00";
constexpr char kBackspace = 8;

// A box that holds no number stops the save before anything is written.
struct NotANumber {};

double Number(const std::string& text) {
    std::optional<double> value = ParseNumber(text);
    if (!value) throw NotANumber{};
    return *value;
}

// Everything "&Save and Exit" writes, read from the boxes first. A coordinate
// the user did not edit stays empty and keeps its stored value.
struct SectionEntry {
    float slope = 0;
    int16_t count = 0, option = 0, left = 0, right = 0;
    std::array<float, 3> n{};
    std::array<std::optional<float>, IrregularEditor::kRows> stations, elevations;
};

void Write(const SectionEntry& entry, Model& m) {
    m.IrrSlope = entry.slope;
    m.IrrCount = entry.count;
    m.IrrOption = entry.option;
    m.IrrLeftBank = entry.left;
    m.IrrRightBank = entry.right;
    for (long i = 1; i <= 3; ++i) m.IrrN[i] = entry.n[static_cast<std::size_t>(i - 1)];
    for (long row = 1; row <= IrregularEditor::kRows; ++row) {
        std::size_t i = static_cast<std::size_t>(row - 1);
        if (entry.stations[i]) m.IrrSta[row] = *entry.stations[i];
        if (entry.elevations[i]) m.IrrElev[row] = *entry.elevations[i];
    }
}

}  // namespace

std::size_t IrregularEditor::Row(int row) {
    if (row < 1 || row > kRows) throw RuntimeFault(kSubscriptOutOfRange);
    return static_cast<std::size_t>(row - 1);
}

template <typename Format>
void IrregularEditor::ShowPoints(Format format) {
    for (int row = 1; row <= kRows; ++row) {
        stations_[Row(row)].Show(format(model_.IrrSta[row]));
        elevations_[Row(row)].Show(format(model_.IrrElev[row]));
    }
}

void IrregularEditor::Load() {
    metric_ = !IsEnglish(model_.UnitSystem);
    SetText(IrrBox::txtNIRC, std::to_string(model_.IrrCount));
    SetText(IrrBox::txtLLP, std::to_string(model_.IrrLeftBank));
    SetText(IrrBox::txtRP, std::to_string(model_.IrrRightBank));
    SetText(IrrBox::txtNleft, FloatText(model_.IrrN[1]));
    SetText(IrrBox::txtNmain, FloatText(model_.IrrN[2]));
    SetText(IrrBox::txtNright, FloatText(model_.IrrN[3]));
    SetText(IrrBox::txtSlope, FloatText(model_.IrrSlope));
    bool metric = metric_;
    ShowPoints([metric](float feet) {
        return FloatText(metric ? F32(feet / kLengthFactor) : feet);
    });
    option_ = 0;
    if (model_.IrrOption >= 1 && model_.IrrOption <= 4) ChooseOption(model_.IrrOption);
    SetText(IrrBox::txtCOPT, std::to_string(model_.IrrOption));
    ShowRowsOfCount();
}

void IrregularEditor::ChooseOption(int option) {
    option_ = option;
    SetText(IrrBox::txtCOPT, std::to_string(option));
}

bool IrregularEditor::Visible(IrrBox box) const {
    if (box == IrrBox::txtCOPT) return false;
    if (option_ < 1 || option_ > static_cast<int>(kSubchannelOptions.size())) return true;
    const SubchannelOption& shown = kSubchannelOptions[static_cast<std::size_t>(option_ - 1)];
    switch (box) {
        case IrrBox::txtLLP:
        case IrrBox::txtNleft: return shown.left;
        case IrrBox::txtRP:
        case IrrBox::txtNright: return shown.right;
        default: return true;
    }
}

bool IrregularEditor::RowVisible(int row) const {
    return Row(row) < static_cast<std::size_t>(rowsShown_);
}

void IrregularEditor::CountFocusLost() { ShowRowsOfCount(); }

void IrregularEditor::ShowRowsOfCount() {
    double count = LeadingNumber(text(IrrBox::txtNIRC));
    rowsShown_ = kAlwaysShownRows;
    while (rowsShown_ < kRows && count >= rowsShown_ + 1) ++rowsShown_;
}

void IrregularEditor::CheckCount(Prompts& prompts) const {
    double count = LeadingNumber(text(IrrBox::txtNIRC));
    if (count < kMinCount) prompts.Tell(kCountTooSmall);
    if (count > kMaxCount) prompts.Tell(kCountTooLarge);
}

bool IrregularEditor::SaveAndExit(Prompts& prompts) {
    SectionEntry entry;
    try {
        entry.slope = F32(Number(text(IrrBox::txtSlope)));
        entry.count = I16(Number(text(IrrBox::txtNIRC)));
        entry.option = I16(Number(text(IrrBox::txtCOPT)));
        entry.left = I16(Number(text(IrrBox::txtLLP)));
        entry.right = I16(Number(text(IrrBox::txtRP)));
        entry.n = {F32(Number(text(IrrBox::txtNleft))), F32(Number(text(IrrBox::txtNmain))),
                   F32(Number(text(IrrBox::txtNright)))};
        double factor = metric_ ? kLengthFactor : 1.0;
        for (std::size_t i = 0; i < stations_.size(); ++i) {
            if (stations_[i].Edited()) entry.stations[i] = F32(Number(stations_[i].text) * factor);
            if (elevations_[i].Edited())
                entry.elevations[i] = F32(Number(elevations_[i].text) * factor);
        }
    } catch (const NotANumber&) {
        prompts.Tell(kInsufficientInput);
        return false;
    } catch (const RuntimeFault& fault) {
        prompts.Tell(FaultText(fault.what(), "SaveAndExit"));
        return false;
    }
    Write(entry, model_);
    for (PointBox& box : stations_) box.shown = box.text;
    for (PointBox& box : elevations_) box.shown = box.text;
    return true;
}

bool IrregularEditor::KeyAccepted(std::string_view text, std::size_t position, char key) {
    if (key == kBackspace) return true;
    // Nothing goes in front of a minus sign.
    bool beforeSign = position == 0 && text.starts_with('-');
    switch (key) {
        case '-': return position == 0 && !beforeSign;
        case '.': return !beforeSign && text.find('.') == std::string_view::npos;
        default: return !beforeSign && key >= '0' && key <= '9';
    }
}

void IrregularEditor::ShowUnits(bool metric) {
    metric_ = metric;
    ShowPoints([metric](float feet) {
        return FormatNumber(metric ? feet / kLengthFactor : feet, kSwitchPattern);
    });
}

void OpenIrregularEditor(InputForm& form, IrregularEditor& editor) {
    form.ChooseTWIrregular();
    editor.Load();
}

}  // namespace kelp
