#pragma once

#include <cstddef>
#include <string>

#include "base/Date.h"

class ObjectContext;
class Node;

// Fills a store with a deterministic household history for the command-line benchmarks: five
// accounts in groups (one in euros), categories in groups, and ten years up to `lastDay` of
// monthly salaries, rent, card payments and savings transfers, with everyday spending filling
// the rest up to `transactions` transactions. The same arguments give the same store.
class HistoryGenerator final {
public:
    HistoryGenerator(ObjectContext& context, Node& root, Date lastDay);

    // REQUIRES: an empty store with its root, currencies and default categories.
    void generate(std::size_t transactions);

private:
    void makeTree();
    void makeCategories();
    // The monthly items; returns how many transactions they made.
    std::size_t makeMonthlyItems();
    void makeEverydaySpending(std::size_t count);

    ObjectContext& m_context;
    Node& m_root;
    Date m_lastDay;
    Date m_firstDay;
};
