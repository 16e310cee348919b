// The project file (.klp): comma-separated text in English units, six lines,
// plus seventeen lines of irregular cross-section when the tailwater is an
// irregular channel.
#pragma once

#include <stdexcept>
#include <string>

#include "form/input_form.h"
#include "form/prompts.h"
#include "form/take_fields.h"
#include "model/model.h"

namespace kelp {

// A project that cannot be read: names the file, the line and the field.
class ProjectReadError : public std::runtime_error {
public:
    ProjectReadError(const std::string& path, int line, const std::string& field,
                     const std::string& description);
    int line() const { return line_; }
    const std::string& field() const { return field_; }
    // The description alone ("Input past end of file", "Type mismatch").
    const std::string& description() const { return description_; }

    // A path turned away before anything is read from it. The description
    // names the file, as it is all the window shows.
    static ProjectReadError Refused(const std::string& path, const std::string& reason);

private:
    explicit ProjectReadError(const std::string& message);

    int line_;
    std::string field_;
    std::string description_;
};

// A project that cannot be written; the previous file is left as it was.
class ProjectWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Project text of the model, CR LF line ends. Every number is held in English
// units but those listed in `metric`, which are multiplied to English units
// in double precision as they are written.
std::string ProjectText(const Model& model, const MetricValues& metric = {});

// Writes ProjectText to path through a temporary file beside it, renamed into
// place, so a failed save never damages the previous file.
void Write2File(const Model& model, const std::string& path, const MetricValues& metric = {});

// Reads the project text into the model and refills the form (metric
// division when the form is metric, today's date in the date field, the
// channel roughness list match). On a failure the values read so far stay in
// the model, the form is not refilled, and ProjectReadError is thrown.
void ReadProjectText(const std::string& text, const std::string& path, InputForm& form);

// Opens path and reads it as ReadProjectText does. A path that is not a
// regular file (a directory, a device such as /dev/zero, a pipe) or that
// holds more than 1 MiB is refused before it is read.
void ReadProjectFile(const std::string& path, InputForm& form);

}  // namespace kelp
