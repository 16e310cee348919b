// Any bytes as a project file: reading must either fill the form or raise a
// ProjectReadError, and the design run of whatever was read must end in one
// of its outcomes (a fault of the analysis is an outcome, never an escape),
// with no memory error, undefined behaviour or endless loop on the way.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "form/input_form.h"
#include "form/runs.h"
#include "model/model.h"
#include "project/project_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Every input starts from the start-up model, so a crash reproduces from its
    // input alone. Copying over one kept model is far cheaper than allocating
    // the profile arrays afresh for each input.
    static const auto pristine = std::make_unique<const kelp::Model>();
    static const auto model = std::make_unique<kelp::Model>();
    *model = *pristine;

    const std::string text(reinterpret_cast<const char*>(data), size);
    kelp::InputForm form(*model, "12/06/2026");
    try {
        kelp::ReadProjectText(text, "fuzz.klp", form);
    } catch (const kelp::ProjectReadError&) {
        return 0;
    }
    kelp::RunDesign(form);
    return 0;
}
