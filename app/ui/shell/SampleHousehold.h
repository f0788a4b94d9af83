#pragma once

class ObjectContext;

// A small household to look around in: a group of bank accounts, a credit card, a wallet,
// a few months of transactions, one budget and scheduled bills, one of them overdue. The
// application opens it as its sample while no sample store file ships with it.
class SampleHousehold final {
public:
    // Fills the empty `context`, with dates around Date::today_PN().
    static void fill(ObjectContext& context);
};
