#pragma once

#include "ledger/migration/AccountIndex.h"

// The mapping of the AccountGroupIndex records of model version 0 (the position of an account
// group among its siblings): handled like the accounts' position records.
class AccountGroupIndex final : public AccountIndex {};
