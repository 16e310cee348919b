// The two files HY-8 reads for the design of an energy dissipator: the
// culvert input file (.INP) and the performance file (.PC), fixed-width text.
//
// Both hold English units: the model is in English units after every
// analysis, whatever unit system the windows show.
#pragma once

#include <stdexcept>
#include <string>

#include "form/prompts.h"
#include "form/today.h"
#include "model/model.h"

namespace kelp {

// "mm/dd/yyyy", as both files carry it.
std::string Hy8DateText(const CalendarDate& date);

// The error number and description of a failure the export meets.
struct Hy8Error {
    int number;
    const char* description;
};
inline constexpr Hy8Error kFileNotFound{53, kFileNotFoundText};
inline constexpr Hy8Error kInputPastEnd{62, kPastEndText};
inline constexpr Hy8Error kPathFileAccess{75, "Path/File access error"};
inline constexpr Hy8Error kPathNotFound{76, "Path not found"};

class Hy8Fault : public std::runtime_error {
public:
    explicit Hy8Fault(const Hy8Error& error)
        : std::runtime_error(error.description), number_(error.number) {}
    int number() const { return number_; }
    // "Error 53: File not found occurred while " and what was being done.
    std::string Text(const std::string& during) const {
        return "Error " + std::to_string(number_) + ": " + what() + " occurred while " + during;
    }

private:
    int number_;
};

// The export name as typed, cut before its first "." (RUN.DAT gives RUN).
std::string Hy8BaseName(const std::string& typed);

// The two files' texts, CR LF line ends. `date` is "mm/dd/yyyy".
std::string Hy8InputText(const Model& model, const std::string& name, const std::string& date);
std::string Hy8PerformanceText(const Model& model, const std::string& name,
                               const std::string& date);

// Writes NAME.INP and NAME.PC for the discharge in the model into `dir` (the
// name cut as Hy8BaseName does). Throws Hy8Fault when a file cannot be written.
void WriteHy8Files(const Model& model, const std::string& name, const std::string& dir,
                   const std::string& date);

}  // namespace kelp
