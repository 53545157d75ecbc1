#include "app/month/timetable_export.h"

#include <sstream>

#include "timetable/csv_output.h"
#include "timetable/ics_output.h"

namespace orvanta {

ReplaceStatus SaveExportedFile(const QString& path, const QByteArray& bytes) {
    return ReplaceFileAtomically(QFile::encodeName(path).toStdString(),
                                 std::string_view(bytes.constData(), bytes.size()),
                                 ReplaceOptions{.newFileMode = 0666, .keepMode = true});
}

ReplaceStatus ExportTimetable(const QString& path, ExportFormat format, const CityLocation& city,
                              const std::vector<DatedRow>& days, const MethodChoice& choice,
                              std::int64_t nowUtc) {
    std::ostringstream text;
    if (format == ExportFormat::kCsv) {
        WriteTimetableAsCsv(text, days);
    } else if (!WriteTimetableAsIcs(text, city, days, nowUtc,
                                    IsClassic(choice) ? std::string() : choice.presetId)) {
        return ReplaceStatus::kFailed;
    }
    const std::string bytes = text.str();
    return SaveExportedFile(path, QByteArray::fromStdString(bytes));
}

}  // namespace orvanta
