// The printed page of the result form: its groups and shown lines, with the
// warnings of the analysis below them.
#pragma once

#include "results/output_texts.h"
#include "ui/print/text_page.h"

namespace kelp {

TextPage ResultPage(const OutputTexts& texts);

}  // namespace kelp
