#pragma once

class Node;
class ObjectContext;

// The invisible root of the account tree: the one Node with identifier "accounts".
class AccountsRoot final {
public:
    static constexpr const char* kIdentifier = "accounts";

    // The root of `context`, inserted when the store has none. AssertionFailure "too many
    // account root nodes" when it has more than one.
    static Node& setup(ObjectContext& context);
};
