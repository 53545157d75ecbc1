#include "cli/timetable_options.h"

#include "cli/option_checks.h"

namespace orvanta {

void TimetableOptions::Declare(CLI::App& app) {
    timetable_ = app.add_subcommand("timetable", "Use a mosque's printed timetable");
    import_ = timetable_->add_subcommand(
        "import", "Store the timetable in FILE (CSV) for a city, replacing its earlier one");
    import_->add_option("file", request_.file, "The CSV file")->type_name("FILE");
    import_->add_option("--city", importCity_, "The city (default: the home city)")
        ->type_name("NAME");
    list_ = timetable_->add_subcommand("list", "The stored timetables");
    remove_ = timetable_->add_subcommand("remove", "Remove a city's timetable");
    remove_->add_option("--city", removeCity_, "The city (default: the home city)")
        ->type_name("NAME");
}

ParsedArguments TimetableOptions::Request() const {
    TimetableRequest request = request_;
    if (import_->parsed()) {
        if (request.file.empty()) {
            return EarlyExit{2, "timetable import needs a FILE"};
        }
        request.action = TimetableRequest::Action::kImport;
        if (import_->count("--city") > 0) {
            request.city = importCity_;
        }
    } else if (list_->parsed()) {
        request.action = TimetableRequest::Action::kList;
    } else if (remove_->parsed()) {
        request.action = TimetableRequest::Action::kRemove;
        if (remove_->count("--city") > 0) {
            request.city = removeCity_;
        }
    } else {
        return EarlyExit{2, "timetable needs one of import, list and remove"};
    }
    if (request.city && IsBlank(*request.city)) {
        return EarlyExit{2, "--city needs a city NAME"};
    }
    return request;
}

}  // namespace orvanta
