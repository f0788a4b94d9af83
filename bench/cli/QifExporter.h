#pragma once

#include <ostream>

class ObjectContext;

// Writes every account of a store as one multi-account QIF file, as another finance program
// exports it: an "!Account" block per account, then its transactions with payee, memo,
// category and split lines, dates as MM/DD/YYYY.
class QifExporter final {
public:
    static void write(ObjectContext& context, std::ostream& out);
};
