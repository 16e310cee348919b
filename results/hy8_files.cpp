#include "results/hy8_files.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string_view>

#include "model/number_text.h"

namespace kelp {
namespace {

constexpr const char* kLineEnd = "\r\n";
// The flow type HY-8 expects, with its double quotes.
constexpr const char* kFlowType = "\"2Sn\"";
constexpr int kRepeatedRows = 11;

// Fixed-width text: each number is formatted with its digit pattern and then
// right-aligned in its width; a text longer than the width stays whole.
class FixedText {
public:
    FixedText& Text(std::string_view text) {
        line_ += text;
        return *this;
    }
    FixedText& Right(std::string_view text, std::size_t width) {
        if (text.size() < width) line_.append(width - text.size(), ' ');
        return Text(text);
    }
    FixedText& Num(double value, std::size_t width, std::string_view pattern) {
        return Right(FormatNumber(value, pattern), width);
    }
    // A number without a pattern: its plain text.
    FixedText& Plain(float value, std::size_t width) { return Right(FloatText(value), width); }
    FixedText& Zeros(int count, std::size_t width, std::string_view pattern) {
        for (int i = 0; i < count; ++i) Num(0, width, pattern);
        return *this;
    }
    FixedText& Sp() { return Text(" "); }
    FixedText& End() {
        out_ += line_ + kLineEnd;
        line_.clear();
        return *this;
    }
    const std::string& str() const { return out_; }

private:
    std::string line_, out_;
};

void ZeroLines(FixedText& t, int lines, int count, std::size_t width, std::string_view pattern) {
    for (int i = 0; i < lines; ++i) t.Zeros(count, width, pattern).End();
}

void InputCulvert(FixedText& t, const Model& m) {
    constexpr const char* k4 = "0.0000";
    t.Num(0, 11, "0.000").Num(m.BarrelQ, 11, "0.000").Num(m.BarrelQ, 11, "0.000");
    t.Num(1, 11, "0.000").End();
    t.Num(m.CulvertShape, 6, "0.").Num(m.NBarrels, 6, "0.").End();
    t.Zeros(6, 11, k4).End();
    t.Num(m.LowerBreakSta, 11, k4).Num(m.LowerBreakElev, 11, k4);
    t.Num(m.OutletSta, 11, k4).Num(m.OutletElev, 11, k4).End();
    t.Num(m.LowerBreakElev, 11, k4).Num(m.OutletElev, 11, k4);
    t.Num(m.OutletSectionLength, 11, k4).Num(m.OutletSectionSlope, 11, k4).End();
    t.Zeros(6, 11, k4).End();
    t.Num(m.CulvertShape, 6, "0.").Num(m.NBarrels, 6, "0.").Zeros(1, 6, "0.");
    t.Num(1, 6, "0.").Num(1, 6, "0.").Zeros(3, 6, "0.").End();
    t.Num(m.BarrelWidth, 10, k4).Num(m.BarrelHeight, 10, k4).Num(m.CulvertN, 10, k4);
    t.Zeros(6, 10, k4).End();
    t.Zeros(3, 11, k4).End();
    t.Zeros(5, 11, k4).End();
}

void InputTailwater(FixedText& t, const Model& m) {
    constexpr const char* k8 = "0.00000000";
    t.Plain(m.TWShape, 2).End();
    t.End();
    t.Num(m.TWBottomWidth, 19, k8).Num(m.TWLeftSlope, 19, k8).Num(m.TWSlope, 19, k8);
    t.Num(m.TWN, 19, k8).Num(m.OutletElev, 19, k8).End();
    double twElev = static_cast<double>(m.TWDepth) + m.OutletElev;
    for (int i = 0; i < kRepeatedRows; ++i) {
        t.Num(m.BarrelQ, 13, "0.000").Num(twElev, 13, "0.000").Num(m.TWVelocity, 13, "0.000");
        t.Zeros(2, 13, "0.000").End();
    }
}

// The headwater elevation of the discharge.
double Headwater(const Model& m) { return static_cast<double>(m.InletElev) + m.HWDepth; }

// The break-control headwater depth stands beside the inlet-control one; a
// culvert without break control (BreakControlElev 0) has none.
double BreakControlDepth(const Model& m) {
    if (m.BreakControlElev == 0) return 0;
    return static_cast<double>(m.BreakControlElev) - m.InletElev;
}

void PerformanceRow(FixedText& t, const Model& m) {
    constexpr const char* k2 = "#.00";
    t.Num(m.BarrelQ, 8, k2).Sp().Num(Headwater(m), 9, k2).Sp();
    t.Num(static_cast<double>(m.InletControlElev) - m.InletElev, 7, k2).Sp();
    t.Num(BreakControlDepth(m), 7, k2).Sp();
    t.Right("1", 2).Right(kFlowType, 6).Sp();
    t.Num(m.NormalDepthOutlet, 6, k2).Sp().Num(m.CriticalDepth, 7, k2).Sp();
    t.Num(m.OutletVelocity, 7, k2).Sp().Num(m.OutletDepth, 6, k2).Sp();
    t.Num(m.TWVelocity, 7, k2).Sp().Num(m.TWDepth, 6, k2).End();
}

void ProfileRow(FixedText& t, const Model& m) {
    t.Num(m.BarrelQ, 8, "#.00").Zeros(3, 8, "#.00");
    t.Right("1", 2).Right(kFlowType, 6).Sp();
    t.Right("0", 6).Right("0", 6).Right("0", 6);
    t.Num(m.OutletSectionSlope, 6, "#.00000").Num(m.DepthLowerBreak, 5, "#.0");
    t.Num(m.ProfileDepth[m.ProfileIndex], 5, "#.0").End();
}

void WriteFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    if (out) return;
    std::error_code ec;
    if (!std::filesystem::is_directory(path.parent_path(), ec))
        throw Hy8Fault(kPathNotFound);
    throw Hy8Fault(kPathFileAccess);
}

}  // namespace

std::string Hy8DateText(const CalendarDate& date) {
    auto two = [](int n) { return std::string(n < 10 ? "0" : "") + std::to_string(n); };
    return two(date.month) + "/" + two(date.day) + "/" + std::to_string(date.year);
}

std::string Hy8BaseName(const std::string& typed) { return typed.substr(0, typed.find('.')); }

std::string Hy8InputText(const Model& model, const std::string& name, const std::string& date) {
    FixedText t;
    t.Text(name).End().Text("VERSION 6.0").End().Text(date).End();
    InputCulvert(t, model);
    t.Text("N").End().Text("N").End();
    ZeroLines(t, 20, 3, 19, "0.00000000");
    InputTailwater(t, model);
    t.Zeros(3, 10, "0.").End();
    t.Zeros(1, 10, "0.000000").End();
    t.Text("N").End();
    ZeroLines(t, 15, 2, 13, "0.00000");
    return t.str();
}

std::string Hy8PerformanceText(const Model& model, const std::string& name,
                               const std::string& date) {
    FixedText t;
    t.Text(name).End().Text(date).End();
    float wholeQ = static_cast<float>(std::floor(model.BarrelQ));
    for (int i = 0; i < kRepeatedRows; ++i)
        t.Sp().Num(Headwater(model), 8, "#.0000").Plain(wholeQ, 9).End();
    t.Text("N").End().Sp().Text("1").End();
    for (int i = 0; i < kRepeatedRows; ++i) PerformanceRow(t, model);
    t.Right("1", 2).Num(1, 21, "#.000000").End();
    for (int i = 0; i < kRepeatedRows; ++i) ProfileRow(t, model);
    return t.str();
}

void WriteHy8Files(const Model& model, const std::string& name, const std::string& dir,
                   const std::string& date) {
    std::string base = Hy8BaseName(name);
    std::filesystem::path folder(dir);
    WriteFile(folder / (base + ".INP"), Hy8InputText(model, base, date));
    WriteFile(folder / (base + ".PC"), Hy8PerformanceText(model, base, date));
}

}  // namespace kelp
