#include "CurrenciesFile.h"

#include <pugixml.hpp>

#include <optional>
#include <set>
#include <string_view>

#include "CurrencyExchange.h"
#include "base/ResourcesFolder.h"

namespace {

[[noreturn]] void fail(const std::string& path, const std::string& what) {
    throw CurrenciesFile::Error("Currencies file " + path + ": " + what);
}

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view kSpace = " \t\r\n";
    std::size_t first = text.find_first_not_of(kSpace);
    if (first == std::string_view::npos) {
        return {};
    }
    std::size_t last = text.find_last_not_of(kSpace);
    return text.substr(first, last - first + 1);
}

bool isIntegerText(std::string_view text) {
    std::size_t start = (!text.empty() && (text[0] == '-' || text[0] == '+')) ? 1 : 0;
    if (start == text.size()) {
        return false;
    }
    return text.substr(start).find_first_not_of("0123456789") == std::string_view::npos;
}

// The value element that follows <key>name</key> in a dictionary; an empty node when the key
// is absent. A key given twice is ambiguous and rejected.
pugi::xml_node valueForKey(pugi::xml_node dict, std::string_view key, const std::string& where) {
    pugi::xml_node found;
    for (pugi::xml_node child = dict.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element || std::string_view(child.name()) != "key" ||
            trimmed(child.child_value()) != key) {
            continue;
        }
        if (found) {
            throw CurrenciesFile::Error(where + " repeats the key \"" + std::string(key) + "\"");
        }
        found = child.next_sibling();
        while (found && found.type() != pugi::node_element) {
            found = found.next_sibling();
        }
        if (!found || std::string_view(found.name()) == "key") {
            throw CurrenciesFile::Error(where + " has no value for \"" + std::string(key) + "\"");
        }
    }
    if (!found) {
        throw CurrenciesFile::Error(where + " has no \"" + std::string(key) + "\"");
    }
    return found;
}

std::string stringForKey(pugi::xml_node dict, std::string_view key, const std::string& where) {
    pugi::xml_node value = valueForKey(dict, key, where);
    if (std::string_view(value.name()) != "string") {
        throw CurrenciesFile::Error(where + " has a \"" + std::string(key) +
                                    "\" that is not a string");
    }
    return value.child_value();
}

Decimal rateForKey(pugi::xml_node dict, const std::string& where) {
    pugi::xml_node value = valueForKey(dict, "rate", where);
    std::string_view type = value.name();
    std::string_view text = trimmed(value.child_value());
    if (type != "integer" && type != "real") {
        throw CurrenciesFile::Error(where + " has a \"rate\" that is not a number");
    }
    std::optional<Decimal> rate;
    if (type == "real" || isIntegerText(text)) {
        rate = Decimal::parse(text);
    }
    if (!rate) {
        throw CurrenciesFile::Error(where + " has a \"rate\" that is not a number: \"" +
                                    std::string(text) + "\"");
    }
    // Zero would divide every conversion by zero; a negative rate turns amounts around.
    if (rate->sign() <= 0) {
        throw CurrenciesFile::Error(where +
                                    " has a \"rate\" that is not above zero: " + std::string(text));
    }
    return *rate;
}

CurrenciesFile::Entry readEntry(pugi::xml_node dict, const std::string& where) {
    if (std::string_view(dict.name()) != "dict") {
        throw CurrenciesFile::Error(where + " is not a dictionary");
    }
    CurrenciesFile::Entry entry;
    entry.code = stringForKey(dict, "code", where);
    if (trimmed(entry.code).empty()) {
        throw CurrenciesFile::Error(where + " has an empty \"code\"");
    }
    const std::string named = where + " (\"" + entry.code + "\")";
    entry.name = stringForKey(dict, "name", named);
    entry.rate = rateForKey(dict, named);
    return entry;
}

pugi::xml_node rootArray(const pugi::xml_document& document, const std::string& path) {
    pugi::xml_node plist = document.document_element();
    if (std::string_view(plist.name()) != "plist") {
        fail(path, "the document is not a property list (no <plist> element)");
    }
    pugi::xml_node root =
        plist.find_child([](pugi::xml_node n) { return n.type() == pugi::node_element; });
    if (std::string_view(root.name()) != "array") {
        fail(path, "the root of the property list is not an array");
    }
    return root;
}

}  // namespace

std::string CurrenciesFile::defaultPath() {
    return ResourcesFolder::path() + "/DefaultCurrencies.plist";
}

std::vector<CurrenciesFile::Entry> CurrenciesFile::read(const std::string& path) {
    pugi::xml_document document;
    pugi::xml_parse_result parsed = document.load_file(path.c_str());
    if (parsed.status == pugi::status_file_not_found || parsed.status == pugi::status_io_error) {
        fail(path, "the file cannot be read");
    }
    if (!parsed) {
        fail(path, std::string("not a valid XML document (") + parsed.description() +
                       " at offset " + std::to_string(parsed.offset) + ")");
    }
    std::vector<Entry> entries;
    std::set<std::string> codes;
    for (pugi::xml_node item : rootArray(document, path).children()) {
        if (item.type() != pugi::node_element) {
            continue;
        }
        const std::string where = "entry " + std::to_string(entries.size() + 1);
        Entry entry;
        try {
            entry = readEntry(item, where);
        } catch (const Error& error) {
            fail(path, error.what());
        }
        if (entry.code == kUSDollarCode) {
            fail(path, where + " lists \"USD\", which is built in");
        }
        if (!codes.insert(entry.code).second) {
            fail(path, where + " repeats the code \"" + entry.code + "\"");
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}
