#include "form/catalogues.h"

#include <algorithm>

#include "model/codes.h"

namespace kelp {
namespace {

template <typename Table, typename Match>
const typename Table::value_type* FindIf(const Table& table, Match match) {
    auto entry = std::find_if(table.begin(), table.end(), match);
    return entry != table.end() ? &*entry : nullptr;
}

template <typename Table>
const typename Table::value_type* FindText(const Table& table, std::string_view text) {
    return FindIf(table, [text](const auto& entry) { return entry.text == text; });
}

template <typename Table>
const typename Table::value_type* FindCode(const Table& table, float code) {
    return FindIf(table, [code](const auto& entry) { return entry.code == code; });
}

}  // namespace

const InletRow& InletRowOf(bool box, std::string_view text) {
    if (box) {
        const InletRow* row = FindText(kBoxInletRows, text);
        return row ? *row : kBoxCatchAll;
    }
    const InletRow* row = FindText(kPipeInletRows, text);
    return row ? *row : kPipeCatchAll;
}

const InletSet& InletSetOf(bool box, std::string_view text, std::string_view material) {
    const InletRow& row = InletRowOf(box, text);
    InletSetId id = material == kConcrete ? row.concrete : row.otherMaterial;
    return kInletSets[static_cast<std::size_t>(id)];
}

void LoadInletType(Model& model, bool box, std::string_view text, std::string_view material) {
    const InletSet& set = InletSetOf(box, text, material);
    model.InletCoefA = set.a;
    model.InletCoefB = set.b;
    model.InletCoefC = F32(set.c);
    model.InletCoefD = set.d;
    model.InletCoefE = F32(set.e);
    model.InletCoefF = set.f;
    model.Ke = set.ke;
    model.InletSlopeCoef = set.slopeCoef;
    model.InletType = std::string(InletRowOf(box, text).text);
}

const PipeMaterialEntry& PipeMaterialOf(std::string_view text) {
    const PipeMaterialEntry* entry = FindText(kPipeMaterials, text);
    return entry ? *entry : kPipeMaterials.back();
}

const PipeMaterialEntry* PipeMaterialByCode(float code) { return FindCode(kPipeMaterials, code); }

std::string_view MaterialName(const Model& model) {
    if (!IsPipe(model.CulvertShape)) return kConcrete;
    const PipeMaterialEntry* entry = PipeMaterialByCode(model.PipeMaterial);
    return entry ? entry->text : kPipeMaterials.back().text;
}

const ChannelShape& ChannelShapeOf(std::string_view text) {
    const ChannelShape* entry = FindText(kChannelShapes, text);
    return entry ? *entry : kChannelShapes.front();
}

const ChannelShape* ChannelShapeByCode(float code) { return FindCode(kChannelShapes, code); }

const ChannelRoughness* ChannelRoughnessOf(std::string_view text) {
    const ChannelRoughness* former = FindText(kFormerChannelRoughness, text);
    return former ? former : FindText(kChannelRoughness, text);
}

const ChannelRoughness* ChannelRoughnessWithN(float n) {
    return FindIf(kChannelRoughness, [n](const ChannelRoughness& r) { return r.n == n; });
}

}  // namespace kelp
