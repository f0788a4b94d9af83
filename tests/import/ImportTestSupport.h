#pragma once

#include <functional>
#include <string>

#include "base/ParseError.h"
#include "import/ImportValue.h"
#include "ledger/Account.h"
#include "ledger/Node.h"
#include "store/ObjectContext.h"

// Helpers the import tests share.

// The document as one line, the way the golden files hold it.
inline std::string describe(const ImportDictionary& document) {
    return ImportValue(document).description();
}

// The entries of the document's statement number `statement`.
inline const ImportArray& entriesOf(const ImportDictionary& document, std::size_t statement = 0) {
    return document.at("accounts").array().at(statement).dictionary().at("transactions").array();
}

// "kind: reason" of the ParseError that `read` throws, or "no error".
inline std::string parseFailure(const std::function<void()>& read) {
    try {
        read();
    } catch (const ParseError& error) {
        return error.kind() + ": " + error.reason();
    }
    return "no error";
}

// An account under a root node, so the store accepts it.
inline Account* accountInTree(ObjectContext& ctx) {
    Node* root = ctx.insert<Node>();
    root->setIdentifier("accounts");
    Account* account = ctx.insert<Account>();
    account->moveTo(root, 0);
    return account;
}
