#include "ledger/RegisterRowHeight.h"

#include <algorithm>

#include "ledger/RegisterRowLook.h"
#include "ledger/Transaction.h"

RegisterRowHeight::Lines RegisterRowHeight::lines(const Transaction& transaction) {
    Lines lines;
    const std::size_t splits = transaction.splits().size();
    lines.categories = splits > 1 ? static_cast<int>(splits) : 1;
    if (RegisterRowLook::hasShownNotes(transaction)) {
        std::string_view text = *transaction.notes();
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
            text.remove_suffix(1);
        }
        lines.notes = 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
    }
    return lines;
}

double RegisterRowHeight::height(Lines lines, const Metrics& metrics) {
    double description = metrics.title;
    if (lines.notes > 0) {
        description += kNotesGap + lines.notes * metrics.notesLine;
    }
    const int categoryLines = std::max(lines.categories, 1);
    const double category =
        categoryLines * metrics.categoryLine + (categoryLines - 1) * kCategoryLineSpacing;
    return std::max(description, category) + kCellSpacing;
}
