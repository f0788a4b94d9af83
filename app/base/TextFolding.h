#pragma once

#include <string>
#include <string_view>

// Case- and diacritic-insensitive comparison (the [cd] comparisons): text is decomposed,
// stripped of combining marks and case folded, so "Café", "CAFE" and "cafe" are equal.

// The folded form of `text`.
std::string foldForComparison(std::string_view text);
// Appends the folded form of `text` to `out`.
void appendFoldedForComparison(std::string& out, std::string_view text);
// Whole-string match of `pattern` against `text` where `*` matches any run of characters and
// `?` exactly one character, both folded.
bool likeCD(std::string_view text, std::string_view pattern);
// True when `a` and `b` are the same text once folded; `*` and `?` are plain characters.
bool equalsCD(std::string_view a, std::string_view b);
// True when folded `text` contains folded `needle` (an empty needle is contained).
bool containsCD(std::string_view text, std::string_view needle);
// The order of names in the program's lists: ignoring case and diacritics, then as written
// (so that names equal but for case still have a fixed order).
bool namePrecedes(std::string_view a, std::string_view b);
