#include "form/rating_table.h"

namespace kelp {

void CopyRow(const Model& model, RatingTable& table, int row) {
    auto at = static_cast<std::size_t>(row);
    for (const RatingColumn& column : kRatingColumns)
        if (column.result) (table.*column.numbers)[at] = model.*column.result;
    table.TableJump[at] = model.JumpFlag;
    table.Warnings[at] = model.Warnings;
}

}  // namespace kelp
