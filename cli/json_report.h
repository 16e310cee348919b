// The machine-readable answers of kelp-cli: English units, every number the
// shortest text that reads back to the same 32-bit value.
#pragma once

#include <nlohmann/json.hpp>

#include "engine/analysis.h"
#include "form/rating_table.h"

namespace kelp::cli {

using Json = nlohmann::ordered_json;

// The design discharge's results, its profile points and warnings.
Json DesignJson(const Model& model, ControlCase control);
// {"rows": [...]} with the eleven rows of the rating table, each with its
// columns in order and its warnings.
Json RangeJson(const RatingTable& table);

}  // namespace kelp::cli
