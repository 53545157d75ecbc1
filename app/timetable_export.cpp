#include "app/timetable_export.h"

#include <sstream>

#include <QSaveFile>

#include "timetable/csv_output.h"
#include "timetable/ics_output.h"

namespace orvanta {

bool ExportTimetable(const QString& path, ExportFormat format, const CityLocation& city,
                     const std::vector<DatedRow>& days, const MethodChoice& choice,
                     std::int64_t nowUtc) {
    std::ostringstream text;
    if (format == ExportFormat::Csv) {
        WriteTimetableAsCsv(text, days);
    } else if (!WriteTimetableAsIcs(text, city, days, nowUtc,
                                    IsClassic(choice) ? std::string() : choice.presetId)) {
        return false;
    }
    const std::string bytes = text.str();
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
               static_cast<qint64>(bytes.size()) &&
           file.commit();
}

}  // namespace orvanta
