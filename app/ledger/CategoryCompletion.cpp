#include "ledger/CategoryCompletion.h"

#include <unicode/stringoptions.h>
#include <unicode/unistr.h>

#include <algorithm>

#include "ledger/Category.h"
#include "ledger/CategoryMenu.h"

namespace {

icu::UnicodeString toUnicode(std::string_view text) {
    return icu::UnicodeString::fromUTF8(
        icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
}

}  // namespace

CategoryCompletion::CategoryCompletion(ObjectContext& context) {
    for (const Category* category : Category::allInContext(context)) {
        m_names.push_back(category->name());
    }
    std::sort(m_names.begin(), m_names.end(), CategoryMenu::namePrecedes);
}

CategoryCompletion::CategoryCompletion(std::vector<std::string> names) : m_names(std::move(names)) {
    std::sort(m_names.begin(), m_names.end(), CategoryMenu::namePrecedes);
}

std::vector<std::string> CategoryCompletion::completionsFor(std::string_view typed) const {
    std::vector<std::string> completions;
    if (typed.empty()) {
        return completions;
    }
    const icu::UnicodeString prefix = toUnicode(typed);
    for (const std::string& name : m_names) {
        const icu::UnicodeString text = toUnicode(name);
        if (text.length() < prefix.length() ||
            text.caseCompare(0, prefix.length(), prefix, U_FOLD_CASE_DEFAULT) != 0) {
            continue;
        }
        std::string rest;
        text.tempSubString(prefix.length()).toUTF8String(rest);
        completions.push_back(std::string(typed) + rest);
    }
    // Names equal but for case complete to the same text once.
    completions.erase(std::unique(completions.begin(), completions.end()), completions.end());
    return completions;
}
