#pragma once

class Transaction;

// How tall a register row is, from the number of lines it shows rather than from laying its
// text out, so that every row of a large register can be measured cheaply.
class RegisterRowHeight final {
public:
    // The lines of a row: the title always has one; the notes, when not blank, one per line
    // of text; the category column one per split of a split transaction, else one.
    struct Lines {
        int notes = 0;
        int categories = 1;
        bool operator==(const Lines&) const = default;
    };

    // The heights of one line of each text, measured once by the front end in its own units.
    struct Metrics {
        double title = 0;
        double notesLine = 0;
        double categoryLine = 0;
    };

    static constexpr double kNotesGap = 5;             // between the title and the notes
    static constexpr double kCategoryLineSpacing = 4;  // between two category lines
    static constexpr double kCellSpacing = 21;         // above and below the content, together

    static Lines lines(const Transaction& transaction);
    // The taller of the description (title, then the notes 5 below it) and the category
    // lines, plus the cell spacing.
    static double height(Lines lines, const Metrics& metrics);
};
