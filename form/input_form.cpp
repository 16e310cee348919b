#include "form/input_form.h"

#include "form/catalogues.h"
#include "model/number_text.h"

namespace kelp {
namespace {

enum class Entry { Text, Number, List };

struct FieldInfo {
    Field field;
    const char* name;
    const char* label;
    UnitGroup unit;
    Entry entry;
};

constexpr std::array<FieldInfo, kFieldCount> kFields{{
    {Field::txtProject, "txtProject", "Project", UnitGroup::None, Entry::Text},
    {Field::txtStation, "txtStation", "Station or Location", UnitGroup::None, Entry::Text},
    {Field::txtDate, "txtDate", "Date", UnitGroup::None, Entry::Text},
    {Field::txtDiameter, "txtDiameter", "Pipe Diameter", UnitGroup::Length, Entry::Number},
    {Field::cboPipematerial, "cboPipematerial", "Culvert Material", UnitGroup::None, Entry::List},
    {Field::txtSpan, "txtSpan", "Span (per barrel)", UnitGroup::Length, Entry::Number},
    {Field::txtRise, "txtRise", "Rise", UnitGroup::Length, Entry::Number},
    {Field::cboBoxinlet, "cboBoxinlet", "Inlet Type", UnitGroup::None, Entry::List},
    {Field::txtBoxrough, "txtBoxrough", "Roughness Coefficient", UnitGroup::None, Entry::Number},
    {Field::txtNOut, "txtNOut", "Outlet Section Roughness Coefficient", UnitGroup::None,
     Entry::Number},
    {Field::txtInletsta, "txtInletsta", "Inlet Station", UnitGroup::Length, Entry::Number},
    {Field::txtInletelev, "txtInletelev", "Inlet Elevation", UnitGroup::Length, Entry::Number},
    {Field::txtUppersta, "txtUppersta", "Upper Break Station", UnitGroup::Length, Entry::Number},
    {Field::txtUpperelev, "txtUpperelev", "Upper Break Elevation", UnitGroup::Length,
     Entry::Number},
    {Field::txtLowersta, "txtLowersta", "Lower Break Station", UnitGroup::Length, Entry::Number},
    {Field::txtLowerelev, "txtLowerelev", "Lower Break Elevation", UnitGroup::Length,
     Entry::Number},
    {Field::txtOutletsta, "txtOutletsta", "Outlet Station", UnitGroup::Length, Entry::Number},
    {Field::txtOutletelev, "txtOutletelev", "Outlet Elevation", UnitGroup::Length, Entry::Number},
    {Field::txtMinDischarge, "txtMinDischarge", "Minimum Discharge", UnitGroup::Discharge,
     Entry::Number},
    {Field::txtDesDischarge, "txtDesDischarge", "Design Discharge", UnitGroup::Discharge,
     Entry::Number},
    {Field::txtMaxDischarge, "txtMaxDischarge", "Maximum Discharge", UnitGroup::Discharge,
     Entry::Number},
    {Field::txtBarrels, "txtBarrels", "Number of Barrels", UnitGroup::None, Entry::Number},
    {Field::txtTWelev, "txtTWelev", "", UnitGroup::Length, Entry::Number},
    {Field::cboTWshape, "cboTWshape", "Channel Shape", UnitGroup::None, Entry::List},
    {Field::txtTWbottom, "txtTWbottom", "Bottom Width", UnitGroup::Length, Entry::Number},
    {Field::txtTWleftside, "txtTWleftside", "Left Side Slope", UnitGroup::SideSlope,
     Entry::Number},
    {Field::txtTWrightside, "txtTWrightside", "Right Side Slope", UnitGroup::SideSlope,
     Entry::Number},
    {Field::txtTWdiameter, "txtTWdiameter", "Diameter", UnitGroup::Length, Entry::Number},
    {Field::txtTWslope, "txtTWslope", "Bottom Slope", UnitGroup::BottomSlope, Entry::Number},
    {Field::txtTWrough, "txtTWrough", "Roughness Coefficient", UnitGroup::None, Entry::Number},
    {Field::cboTWMaterial, "cboTWMaterial", "", UnitGroup::None, Entry::List},
}};

constexpr bool FieldsInOrder() {
    for (std::size_t i = 0; i < kFields.size(); ++i)
        if (static_cast<std::size_t>(kFields[i].field) != i) return false;
    return true;
}
static_assert(FieldsInOrder(), "the field table follows the Field enumeration");

const FieldInfo& Info(Field f) { return kFields[static_cast<std::size_t>(f)]; }

// The fields of a regular downstream channel, switched together by the
// tailwater options.
constexpr std::array<Field, 7> kChannelFields{Field::cboTWshape,    Field::txtTWbottom,
                                              Field::txtTWleftside, Field::txtTWrightside,
                                              Field::txtTWdiameter, Field::txtTWslope,
                                              Field::txtTWrough};

// A box is concrete: it takes the concrete pipe's roughness.
constexpr std::string_view kBoxRoughness = kPipeMaterials.front().roughness;
constexpr const char* kDefaultChannelN = "0.035";
constexpr char kEnter = 13;
constexpr char kBackspace = 8;

template <typename Table, typename Text>
std::vector<std::string> Texts(const Table& table, Text text) {
    std::vector<std::string> out;
    for (const auto& entry : table) out.emplace_back(text(entry));
    return out;
}

std::vector<std::string> Strings(std::span<const std::string_view> items) {
    return Texts(items, [](std::string_view s) { return s; });
}

}  // namespace

const char* FieldName(Field field) { return Info(field).name; }
const char* FieldLabel(Field field) { return Info(field).label; }
UnitGroup FieldUnitGroup(Field field) { return Info(field).unit; }

InputForm::InputForm(Model& model, std::string today) : model_(model), today_(std::move(today)) {
    model_.UnitSystem = 1;
    model_.Gravity = kEnglishGravity;
    model_.ManningConst = kEnglishManning;
    SetText(Field::txtBarrels, "1");
    SetText(Field::txtBoxrough, std::string(kBoxRoughness));
    SetText(Field::txtNOut, std::string(kBoxRoughness));
    SetText(Field::txtDate, today_);
    model_.ProjectDate = today_;
    SetText(Field::cboTWMaterial, std::string(kDefaultChannelRoughness));
    SetText(Field::txtTWrough, kDefaultChannelN);
    // The box choice fills the inlet list and loads the default inlet.
    ChooseTWDown();
    ChooseBox();
    ChooseDouble();
    dataChanged = false;
}

double EnteredNumber::In(bool inMetric, double factor) const {
    if (metric == inMetric) return value;
    return inMetric ? value / factor : value * factor;
}

// Setting the text a field already holds is no change of the document. Any
// setting of the outlet roughness, even to the text it holds, is newer than
// an edit of the barrel's.
void InputForm::SetText(Field f, std::string text) {
    if (f == Field::txtNOut) roughnessCopyDue_ = false;
    if (mut(f).text == text) return;
    if (f == Field::txtBoxrough) roughnessCopyDue_ = true;
    mut(f).text = std::move(text);
    mut(f).kept.reset();
    dataChanged = true;
}

void InputForm::ShowConverted(Field f, std::string text, EnteredNumber number) {
    SetText(f, std::move(text));
    mut(f).kept = number;
}

std::optional<EnteredNumber> InputForm::Number(Field f, bool metricTexts) const {
    if (field(f).kept) return field(f).kept;
    std::optional<double> value = ParseNumber(text(f));
    if (!value) return std::nullopt;
    return EnteredNumber{*value, metricTexts};
}

void InputForm::Enable(Field f) {
    mut(f).enabled = true;
    mut(f).background = kWhite;
}

void InputForm::Disable(Field f) {
    DisableKeepText(f, kDisabledGrey);
    SetText(f, "");
}

void InputForm::DisableKeepText(Field f, uint32_t colour) {
    mut(f).enabled = false;
    mut(f).background = colour;
}

void InputForm::ChooseBox() {
    box_ = true;
    Enable(Field::txtSpan);
    Enable(Field::txtRise);
    Enable(Field::cboBoxinlet);
    inletItems_ = Strings(kBoxInletList);
    ChooseInletType(std::string(kDefaultBoxInlet));
    DisableKeepText(Field::txtDiameter, kDisabledGrey);
    DisableKeepText(Field::cboPipematerial, kDisabledGrey);
    model_.BarrelShape = 2;
    SetText(Field::txtBoxrough, std::string(kBoxRoughness));
    SetText(Field::txtNOut, std::string(kBoxRoughness));
}

// The inlet list stays empty, and the inlet-control values as they were,
// until a material is chosen.
void InputForm::ChooseCircle(bool byLabel) {
    box_ = false;
    Enable(Field::txtDiameter);
    Enable(Field::cboPipematerial);
    Enable(Field::cboBoxinlet);
    inletItems_.clear();
    SetText(Field::cboBoxinlet, "");
    Disable(Field::txtSpan);
    Disable(Field::txtRise);
    model_.BarrelShape = 1;
    if (byLabel) SetText(Field::cboPipematerial, std::string(kConcrete));
}

void InputForm::ChooseSingle() {
    double_ = false;
    Disable(Field::txtUppersta);
    Disable(Field::txtUpperelev);
    model_.BreakCount = 1;
}

void InputForm::ChooseDouble() {
    double_ = true;
    Enable(Field::txtUppersta);
    Enable(Field::txtUpperelev);
    model_.BreakCount = 2;
}

void InputForm::ChooseTWConstant() {
    twOption_ = 1;
    Enable(Field::txtTWelev);
    for (Field f : kChannelFields) Disable(f);
    model_.TWType = 1;
}

void InputForm::ChooseTWDown() {
    twOption_ = 2;
    for (Field f : kChannelFields) Enable(f);
    Disable(Field::txtTWelev);
    ApplyChannelShapeRule();
    model_.TWType = 2;
}

void InputForm::ChooseTWIrregular() {
    twOption_ = 3;
    Disable(Field::txtTWelev);
    for (Field f : kChannelFields) Disable(f);
    model_.TWType = 3;
}

// A dimension the shape does not use keeps its text, shown on the button
// face, so switching shapes back and forth loses nothing typed.
void InputForm::ApplyChannelShapeRule() {
    const ChannelShape& shape = ChannelShapeOf(text(Field::cboTWshape));
    auto use = [this](Field f, bool on) {
        if (on)
            Enable(f);
        else
            DisableKeepText(f, kButtonFace);
    };
    use(Field::txtTWbottom, shape.bottomWidth);
    use(Field::txtTWleftside, shape.sideSlopes);
    use(Field::txtTWrightside, shape.sideSlopes);
    use(Field::txtTWdiameter, shape.diameter);
    model_.TWShape = shape.code;
}

void InputForm::ChooseChannelShape(const std::string& text) {
    SetText(Field::cboTWshape, text);
    ApplyChannelShapeRule();
}

void InputForm::ChooseMaterial(const std::string& text) {
    SetText(Field::cboPipematerial, text);
    const PipeMaterialEntry& material = PipeMaterialOf(text);
    model_.PipeMaterial = material.code;
    SetText(Field::txtBoxrough, std::string(material.roughness));
    SetText(Field::txtNOut, std::string(material.roughness));
    inletItems_ = Strings(material.inlets);
    SetText(Field::cboBoxinlet, std::string(kDefaultPipeInlet));
    LoadInletType(model_, false, kDefaultPipeInlet, text);
}

void InputForm::ChooseInletType(const std::string& text) {
    // A copy: the caller may pass model.InletType, which the load rewrites.
    std::string chosen = text;
    SetText(Field::cboBoxinlet, chosen);
    LoadInletType(model_, box_, chosen, this->text(Field::cboPipematerial));
}

void InputForm::ChooseChannelRoughness(const std::string& text) {
    SetText(Field::cboTWMaterial, text);
    if (const ChannelRoughness* entry = ChannelRoughnessOf(text))
        SetText(Field::txtTWrough, FloatText(entry->n));
}

const std::vector<std::string>& InputForm::Items(Field list) const {
    static const std::vector<std::string> shapes =
        Texts(kChannelShapes, [](const ChannelShape& s) { return s.text; });
    static const std::vector<std::string> materials =
        Texts(kPipeMaterials, [](const PipeMaterialEntry& m) { return m.text; });
    static const std::vector<std::string> roughness =
        Texts(kChannelRoughness, [](const ChannelRoughness& r) { return r.text; });
    static const std::vector<std::string> none;
    switch (list) {
        case Field::cboBoxinlet: return inletItems_;
        case Field::cboTWshape: return shapes;
        case Field::cboPipematerial: return materials;
        case Field::cboTWMaterial: return roughness;
        default: return none;
    }
}

namespace {

// The outlet roughness and the date keep their colour while edited.
bool ShowsFocus(Field f) {
    return Info(f).entry != Entry::List && f != Field::txtNOut && f != Field::txtDate;
}

}  // namespace

void InputForm::FocusGained(Field f) {
    if (ShowsFocus(f)) mut(f).background = kFocusBlue;
    if (f == Field::txtBoxrough) roughnessCopyDue_ = true;
}

// The outlet section takes the barrel roughness unless the user changes it
// afterwards.
void InputForm::FocusLost(Field f) {
    if (ShowsFocus(f)) mut(f).background = kWhite;
    if (f == Field::txtBoxrough) SetText(Field::txtNOut, text(Field::txtBoxrough));
}

void InputForm::CopyPendingRoughness() {
    if (roughnessCopyDue_) SetText(Field::txtNOut, text(Field::txtBoxrough));
}

bool InputForm::IsNumberField(Field f) { return Info(f).entry == Entry::Number; }

// Number fields take digits and one point only, so no sign or exponent can be
// typed; the other fields take every key but Enter, which moves the focus on.
bool InputForm::KeyAccepted(Field f, std::string_view text, char key) {
    if (f == Field::txtDate) return true;
    if (key == kEnter) return false;
    if (!IsNumberField(f)) return true;
    if (key == kBackspace) return true;
    if (key == '.') return text.find('.') == std::string_view::npos;
    return key >= '0' && key <= '9';
}

void InputForm::WatchMenus() {
    if (!text(Field::txtMinDischarge).empty() && !text(Field::txtDesDischarge).empty() &&
        !text(Field::txtMaxDischarge).empty())
        printEnabled_ = true;
}

}  // namespace kelp
