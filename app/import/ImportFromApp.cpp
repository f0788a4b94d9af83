#include "ImportFromApp.h"

#include <filesystem>
#include <fstream>
#include <utility>
#include <variant>

#include "AppImportInsertion.h"
#include "AppImportPlan.h"
#include "QIFReader.h"
#include "StatementText.h"
#include "base/ParseError.h"
#include "store/ObjectContext.h"

namespace {

ImportFromAppResult failure(std::string error) {
    ImportFromAppResult result;
    result.error = std::move(error);
    return result;
}

// A reader's reason may quote the whole offending text after its first line.
std::string firstLine(const std::string& text) {
    return text.substr(0, text.find('\n'));
}

bool isReadableFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) &&
           static_cast<bool>(std::ifstream(path, std::ios::binary));
}

}  // namespace

ImportFromAppResult ImportFromApp::importFile(const std::string& path, ObjectContext& context) {
    std::variant<AppImportPlan, std::string> plan = planFile(path);
    if (const std::string* problem = std::get_if<std::string>(&plan)) {
        return failure(*problem);
    }
    return insert(std::get<AppImportPlan>(std::move(plan)), context);
}

ImportFromAppResult ImportFromApp::importText(std::string_view text, ObjectContext& context) {
    return importParsed(parse(text), context);
}

std::variant<ImportArray, std::string> ImportFromApp::parse(std::string_view text) {
    try {
        return QIFReader::parse(text);
    } catch (const ParseError& error) {
        return "The file could not be imported: " + firstLine(error.reason());
    }
}

ImportFromAppResult ImportFromApp::importParsed(std::variant<ImportArray, std::string> parsed,
                                                ObjectContext& context) {
    if (const std::string* problem = std::get_if<std::string>(&parsed)) {
        return failure(*problem);
    }
    return importAccountList(std::get<ImportArray>(std::move(parsed)), context);
}

ImportFromAppResult ImportFromApp::importAccountList(ImportArray accounts, ObjectContext& context) {
    std::variant<AppImportPlan, std::string> plan = AppImportPlan::fromAccountList(accounts);
    accounts = ImportArray();
    if (const std::string* problem = std::get_if<std::string>(&plan)) {
        return failure(*problem);
    }
    return insert(std::get<AppImportPlan>(std::move(plan)), context);
}

ImportFromAppResult ImportFromApp::insert(AppImportPlan plan, ObjectContext& context) {
    AppImportInsertion insertion(std::move(plan), context);
    insertion.insertNext(static_cast<std::size_t>(-1));
    return insertion.save();
}

std::variant<AppImportPlan, std::string> ImportFromApp::planFile(const std::string& path) {
    if (!isReadableFile(path)) {
        return "The file " + path + " could not be read.";
    }
    std::variant<ImportArray, std::string> parsed = parse(StatementText::readFile(path));
    if (std::string* problem = std::get_if<std::string>(&parsed)) {
        return std::move(*problem);
    }
    return AppImportPlan::fromAccountList(std::get<ImportArray>(std::move(parsed)));
}
