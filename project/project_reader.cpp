// Reading a project back into the model and refilling the input form.
#include <array>
#include <string>

#include "form/catalogues.h"
#include "model/codes.h"
#include "model/gcc12_restrict.h"
#include "model/number_text.h"
#include "project/field_reader.h"
#include "project/project_file.h"
#include "project/project_layout.h"

namespace kelp {
namespace {

constexpr const char* kPastEnd = kPastEndText;

// Takes the fields in order; a missing or unreadable one stops the reading
// with the line and name the layout gives it.
class ProjectReader {
public:
    ProjectReader(std::string_view text, const std::string& path) : fields_(text), path_(path) {}

    std::string Text(int line, const std::string& name) {
        std::optional<std::string> field = fields_.Next();
        if (!field) throw ProjectReadError(path_, line, name, kPastEnd);
        return *field;
    }

    float Single(int line, const std::string& name) { return Number(line, name, F32); }

    int16_t Integer(int line, const std::string& name) { return Number(line, name, I16); }

private:
    template <typename T>
    T Number(int line, const std::string& name, T (*narrow)(double)) {
        std::string field = Text(line, name);
        try {
            std::optional<double> value = ParseNumber(field);
            if (!value) throw RuntimeFault(kTypeMismatch);
            return narrow(*value);
        } catch (const RuntimeFault& fault) {
            throw ProjectReadError(path_, line, name, fault.what());
        }
    }

    FieldReader fields_;
    const std::string& path_;
};

std::string Indexed(const char* name, long i) {
    KELP_IGNORE_GCC12_RESTRICT_BEGIN
    return name + ("(" + std::to_string(i) + ")");
    KELP_IGNORE_GCC12_RESTRICT_END
}

using ReadValues = std::array<float, kLayout.size()>;

// The first six lines: into the model as read, except the minimum and maximum
// discharge, which only the form receives.
ReadValues ReadLayout(ProjectReader& reader, Model& model) {
    ReadValues values{};
    for (std::size_t i = 0; i < kLayout.size(); ++i) {
        const Slot& slot = kLayout[i];
        if (slot.text) {
            model.*slot.text = reader.Text(slot.line, slot.name);
            continue;
        }
        values[i] = reader.Single(slot.line, slot.name);
        if (!slot.formOnly) model.*slot.number = values[i];
    }
    return values;
}

// The cross-section stays in feet as stored, whatever the form's units.
void ReadIrregularBlock(ProjectReader& reader, Model& model) {
    for (long i = 1; i <= kIrregularPoints; ++i) {
        int line = kFirstPointLine + static_cast<int>(i) - 1;
        model.IrrSta[i] = reader.Single(line, Indexed("IrrSta", i));
        model.IrrElev[i] = reader.Single(line, Indexed("IrrElev", i));
    }
    for (long i = 1; i <= 3; ++i)
        model.IrrN[i] = reader.Single(kIrregularNLine, Indexed("IrrN", i));
    model.IrrSlope = reader.Single(kIrregularCountsLine, "IrrSlope");
    model.IrrOption = reader.Integer(kIrregularCountsLine, "IrrOption");
    model.IrrCount = reader.Integer(kIrregularCountsLine, "IrrCount");
    model.IrrLeftBank = reader.Integer(kIrregularCountsLine, "IrrLeftBank");
    model.IrrRightBank = reader.Integer(kIrregularCountsLine, "IrrRightBank");
}

void ShowSlot(InputForm& form, std::size_t i, const ReadValues& values) {
    const Slot& slot = kLayout[i];
    if (slot.formField == Field::Count) return;
    if (slot.text) {
        form.SetText(slot.formField, form.model().*slot.text);
        return;
    }
    float value = values[i];
    if (!IsMetric(form.model().UnitSystem) || slot.scale == Scale::None) {
        form.SetText(slot.formField, FloatText(value));
        return;
    }
    // Shown in metric units, the number read stays behind the text, so a
    // project opened and saved again keeps its numbers.
    form.ShowConverted(slot.formField, FloatText(F32(value / Factor(slot.scale))),
                       EnteredNumber{value, false});
}

void ChooseTailwater(InputForm& form) {
    const Model& model = form.model();
    if (const ChannelShape* shape = ChannelShapeByCode(model.TWShape))
        form.ChooseChannelShape(std::string(shape->text));
    if (IsConstantTailwater(model.TWType)) form.ChooseTWConstant();
    if (IsRegularChannel(model.TWType)) form.ChooseTWDown();
    if (IsIrregularChannel(model.TWType)) form.ChooseTWIrregular();
}

// The inlet text is chosen again after the barrel choice so that its
// coefficient set, not the default's, is the one an analysis uses.
void ChooseBarrel(InputForm& form) {
    const Model& model = form.model();
    std::string inlet = model.InletType;
    if (IsBox(model.BarrelShape)) {
        form.ChooseBox();
        form.ChooseInletType(inlet);
    } else if (IsPipe(model.BarrelShape)) {
        form.ChooseCircle();
        if (const PipeMaterialEntry* material = PipeMaterialByCode(model.PipeMaterial))
            form.ChooseMaterial(std::string(material->text));
        form.ChooseInletType(inlet);
    }
}

// Numbers first, then the choices, which clear the fields they disable; the
// barrel choices put default roughness values in, so the file's go back.
void RefillForm(InputForm& form, const ReadValues& values) {
    for (std::size_t i = 0; i < kLayout.size(); ++i) ShowSlot(form, i, values);
    ChooseTailwater(form);
    ChooseBarrel(form);
    if (IsSingleBrokenBack(form.model().BreakCount)) form.ChooseSingle();
    if (IsDoubleBrokenBack(form.model().BreakCount)) form.ChooseDouble();
    for (std::size_t i = 0; i < kLayout.size(); ++i)
        if (kLayout[i].formField == Field::txtBoxrough || kLayout[i].formField == Field::txtNOut)
            ShowSlot(form, i, values);
    if (const ChannelRoughness* entry = ChannelRoughnessWithN(form.model().TWN))
        form.SetText(Field::cboTWMaterial, std::string(entry->text));
    form.SetText(Field::txtDate, form.today());
    form.dataChanged = false;
}

}  // namespace

void ReadProjectText(const std::string& text, const std::string& path, InputForm& form) {
    Model& model = form.model();
    ProjectReader reader(text, path);
    ReadValues values = ReadLayout(reader, model);
    if (IsIrregularChannel(model.TWType)) ReadIrregularBlock(reader, model);
    RefillForm(form, values);
}

}  // namespace kelp
