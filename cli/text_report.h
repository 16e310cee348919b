// The reports kelp-cli prints for a person: the result form's and the rating
// table's captions and formatted values, warnings under the results.
#pragma once

#include <ostream>

#include "results/output_texts.h"
#include "results/table_texts.h"

namespace kelp::cli {

void PrintDesignReport(std::ostream& out, const OutputTexts& texts);
void PrintRangeReport(std::ostream& out, const TableTexts& texts);

}  // namespace kelp::cli
