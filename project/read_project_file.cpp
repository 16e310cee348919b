// Opening a project file. Only a regular file of a project's size is read, so
// a wrong path (a device that never ends, a pipe that never delivers, a huge
// file) is refused at once instead of filling memory or waiting for ever.
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "form/prompts.h"
#include "project/project_file.h"

namespace kelp {
namespace {

namespace fs = std::filesystem;

// A project file is a few kilobytes.
constexpr std::uintmax_t kLargestProjectFile = 1024 * 1024;
constexpr const char* kTooLarge = "larger than 1 MiB, so not a project";
constexpr const char* kNotRegular = "not a regular file, so not a project";

// Looks at the path without opening it: opening a pipe would wait for a writer.
std::uintmax_t CheckedSize(const std::string& path) {
    std::error_code ec;
    fs::file_status status = fs::status(path, ec);
    if (!fs::exists(status)) throw ProjectReadError(path, 0, "", kFileNotFoundText);
    if (!fs::is_regular_file(status)) throw ProjectReadError::Refused(path, kNotRegular);
    std::uintmax_t size = fs::file_size(path, ec);
    if (ec) throw ProjectReadError(path, 0, "", ec.message());
    if (size > kLargestProjectFile) throw ProjectReadError::Refused(path, kTooLarge);
    return size;
}

// The whole file, read in pieces so that one still growing after its size was
// taken is refused as soon as it passes the limit.
std::string BoundedText(const std::string& path, std::uintmax_t size) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw ProjectReadError(path, 0, "", std::strerror(errno));
    std::string text;
    text.reserve(static_cast<std::size_t>(size));
    char piece[4096];
    while (in.read(piece, sizeof piece) || in.gcount() > 0) {
        text.append(piece, static_cast<std::size_t>(in.gcount()));
        if (text.size() > kLargestProjectFile) throw ProjectReadError::Refused(path, kTooLarge);
    }
    if (in.bad()) throw ProjectReadError(path, 0, "", std::strerror(errno));
    return text;
}

}  // namespace

ProjectReadError::ProjectReadError(const std::string& message)
    : std::runtime_error(message), line_(0), description_(message) {}

ProjectReadError ProjectReadError::Refused(const std::string& path, const std::string& reason) {
    return ProjectReadError(path + ": " + reason);
}

void ReadProjectFile(const std::string& path, InputForm& form) {
    ReadProjectText(BoundedText(path, CheckedSize(path)), path, form);
}

}  // namespace kelp
