#include "project/project_file.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string_view>

#include "form/catalogues.h"
#include "model/codes.h"
#include "model/number_text.h"
#include "project/project_layout.h"

namespace kelp {
namespace {

constexpr const char* kLineEnd = "\r\n";

// A text field between double quotes; a quote inside it is doubled so the
// project can be read back.
std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

std::string SlotText(const Model& model, const Slot& slot, const MetricValues& metric) {
    if (slot.text) return Quoted(model.*slot.text);
    const float& value = model.*slot.number;
    bool heldInMetric = std::find(metric.begin(), metric.end(), &value) != metric.end();
    if (heldInMetric && slot.scale != Scale::None)
        return DoubleText(static_cast<double>(value) * Factor(slot.scale));
    return FloatText(value);
}

void AppendIrregularBlock(const Model& model, std::string& out) {
    for (long i = 1; i <= kIrregularPoints; ++i)
        out += FloatText(model.IrrSta[i]) + "," + FloatText(model.IrrElev[i]) + kLineEnd;
    out += FloatText(model.IrrN[1]) + "," + FloatText(model.IrrN[2]) + "," +
           FloatText(model.IrrN[3]) + kLineEnd;
    out += FloatText(model.IrrSlope) + "," + std::to_string(model.IrrOption) + "," +
           std::to_string(model.IrrCount) + "," + std::to_string(model.IrrLeftBank) + "," +
           std::to_string(model.IrrRightBank) + kLineEnd;
}

}  // namespace

ProjectReadError::ProjectReadError(const std::string& path, int line, const std::string& field,
                                   const std::string& description)
    : std::runtime_error(line > 0 ? path + ": line " + std::to_string(line) + ", field `" +
                                        field + "`: " + description
                                  : path + ": " + description),
      line_(line),
      field_(field),
      description_(description) {}

std::string ProjectText(const Model& model, const MetricValues& metric) {
    std::string out;
    for (std::size_t i = 0; i < kLayout.size(); ++i) {
        bool lineStart = i == 0 || kLayout[i - 1].line != kLayout[i].line;
        if (!lineStart) out += ',';
        out += SlotText(model, kLayout[i], metric);
        if (i + 1 == kLayout.size() || kLayout[i + 1].line != kLayout[i].line) out += kLineEnd;
    }
    // The cross-section is held in feet whatever the units, so it is never
    // multiplied; all fifteen rows are written so the reader finds them.
    if (IsIrregularChannel(model.TWType)) AppendIrregularBlock(model, out);
    return out;
}

void Write2File(const Model& model, const std::string& path, const MetricValues& metric) {
    const std::string text = ProjectText(model, metric);
    const std::string temp = path + ".kelp-tmp";
    std::error_code ignored;
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) throw ProjectWriteError(std::strerror(errno));
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.close();
        if (!out) {
            int error = errno;
            std::filesystem::remove(temp, ignored);
            throw ProjectWriteError(std::strerror(error));
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        std::filesystem::remove(temp, ignored);
        throw ProjectWriteError(ec.message());
    }
}

void ReadProjectFile(const std::string& path, InputForm& form) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) throw ProjectReadError(path, 0, "", kFileNotFoundText);
    if (std::filesystem::is_directory(path, ec))
        throw ProjectReadError(path, 0, "", std::strerror(EISDIR));
    std::ifstream in(path, std::ios::binary);
    if (!in) throw ProjectReadError(path, 0, "", std::strerror(errno));
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw ProjectReadError(path, 0, "", std::strerror(errno));
    ReadProjectText(text, path, form);
}

}  // namespace kelp
