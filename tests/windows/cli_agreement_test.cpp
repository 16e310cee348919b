// The windows and kelp-cli travel one road from a project file to its answer:
// for every bundled example, what the result form and the rating table show
// is what kelp-cli prints.
#include <sys/wait.h>

#include <QDir>
#include <cstdio>
#include <map>
#include <sstream>

#include "windows/desktop_fixture.h"

namespace kelp::testing {
namespace {

std::string CliOutput(const std::string& command, const QString& project) {
    const std::string line = std::string(KELP_CLI_PATH) + " " + command + " '" +
                             project.toStdString() + "' 2>/dev/null";
    std::string out;
    FILE* pipe = popen(line.c_str(), "r");
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    EXPECT_EQ(WEXITSTATUS(pclose(pipe)), 0) << line;
    return out;
}

// Lines of the design report: the caption, then the value and its unit.
std::map<std::string, std::string> ReportValues(const std::string& report) {
    constexpr std::size_t kCaptionWidth = 42;  // two blanks and the caption column
    std::map<std::string, std::string> values;
    std::istringstream in(report);
    for (std::string line; std::getline(in, line);) {
        if (line.size() <= kCaptionWidth || line.compare(0, 2, "  ") != 0) continue;
        std::string caption = line.substr(2, kCaptionWidth - 2);
        caption.erase(caption.find_last_not_of(' ') + 1);
        std::istringstream rest(line.substr(kCaptionWidth));
        rest >> values[caption];
    }
    return values;
}

class CliAgreementTest : public DesktopTest {};

TEST_F(CliAgreementTest, ResultFormAndTableShowWhatKelpCliPrints) {
    const QDir examples(KELP_SOURCE_DIR "/examples");
    const QStringList projects = examples.entryList({"*.klp"}, QDir::Files);
    ASSERT_GE(projects.size(), 3);
    for (const QString& name : projects) {
        const QString path = examples.filePath(name);
        ASSERT_TRUE(desktop.Load(path.toStdString())) << name.toStdString();

        ClickDesign();
        const auto report = ReportValues(CliOutput("design", path));
        for (const char* caption : {"Discharge", "Head Water Depth", "Inlet Control Elevation",
                                    "Critical Depth", "Tailwater Depth", "Hydraulic Jump?",
                                    "Outlet Depth", "Outlet Velocity", "Outlet Froude No.",
                                    "Inlet Depth", "Lower Break Depth", "Lower Break Velocity"})
            EXPECT_EQ(Value(caption).toStdString(), report.at(caption))
                << name.toStdString() << ": " << caption;

        ClickRange();
        std::istringstream table(CliOutput("range", path));
        int row = 0;
        for (std::string line; std::getline(table, line) && row < 11;) {
            std::istringstream cells(line);
            std::vector<std::string> words;
            for (std::string w; cells >> w;) words.push_back(w);
            if (words.size() < 11 || words.front().find_first_of("0123456789") != 0) continue;
            for (int column = 0; column < 11; ++column)
                EXPECT_EQ(desktop.table().cell(row, column).toStdString(), words[column])
                    << name.toStdString() << " row " << row << " column " << column;
            ++row;
        }
        EXPECT_EQ(row, 11) << name.toStdString();
    }
}

}  // namespace
}  // namespace kelp::testing
