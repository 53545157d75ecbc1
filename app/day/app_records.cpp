#include "app/day/app_records.h"

namespace orvanta {

AppRecords& ProcessRecords() {
    static AppRecords records;
    return records;
}

}  // namespace orvanta
