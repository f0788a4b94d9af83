#pragma once

#include <optional>
#include <string>

// How the menu item of a user command reads for the current selection: enabled or not, and
// the title when the command decides it (nothing: the item keeps its own title).
struct MenuItemState final {
    bool enabled = false;
    std::optional<std::string> title{};

    bool operator==(const MenuItemState&) const = default;
};
