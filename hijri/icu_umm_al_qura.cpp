#include "hijri/icu_umm_al_qura.h"

#include <dlfcn.h>

#include <cmath>

namespace orvanta {
namespace {

// ICU's C names carry its major version ("ucal_open_72"); the header's macros give them.
#define ORVANTA_TEXT(x) #x
#define ORVANTA_NAME(x) ORVANTA_TEXT(x)

// The calendar functions of ICU's i18n library, found at run time. The library is the one the
// program was built against (its major version in the file name), opened once and kept.
struct IcuCalendarApi {
    decltype(&ucal_open) open = nullptr;
    decltype(&ucal_close) close = nullptr;
    decltype(&ucal_setMillis) setMillis = nullptr;
    decltype(&ucal_getMillis) getMillis = nullptr;
    decltype(&ucal_get) get = nullptr;
    decltype(&ucal_set) set = nullptr;
    decltype(&ucal_clear) clear = nullptr;

    bool Complete() const { return open && close && setMillis && getMillis && get && set && clear; }
};

template <typename Function>
void Find(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(::dlsym(library, name));
}

// The functions, or nothing when the library or one of them cannot be found.
const IcuCalendarApi* LoadedIcu() {
    static const std::optional<IcuCalendarApi> api = []() -> std::optional<IcuCalendarApi> {
        void* library =
            ::dlopen("libicui18n.so." ORVANTA_NAME(U_ICU_VERSION_MAJOR_NUM), RTLD_NOW | RTLD_LOCAL);
        if (library == nullptr) {
            return std::nullopt;
        }
        IcuCalendarApi found;
        Find(library, ORVANTA_NAME(ucal_open), found.open);
        Find(library, ORVANTA_NAME(ucal_close), found.close);
        Find(library, ORVANTA_NAME(ucal_setMillis), found.setMillis);
        Find(library, ORVANTA_NAME(ucal_getMillis), found.getMillis);
        Find(library, ORVANTA_NAME(ucal_get), found.get);
        Find(library, ORVANTA_NAME(ucal_set), found.set);
        Find(library, ORVANTA_NAME(ucal_clear), found.clear);
        return found.Complete() ? std::optional<IcuCalendarApi>(found) : std::nullopt;
    }();
    return api ? &*api : nullptr;
}

}  // namespace

IcuUmmAlQura::IcuUmmAlQura() {
    const IcuCalendarApi* icu = LoadedIcu();
    if (icu == nullptr) {
        return;
    }
    static constexpr UChar kGmt[] = {u'G', u'M', u'T', 0};
    UErrorCode status = U_ZERO_ERROR;
    calendar_ = icu->open(kGmt, -1, "@calendar=islamic-umalqura", UCAL_DEFAULT, &status);
    if (U_FAILURE(status) && calendar_ != nullptr) {
        icu->close(calendar_);
        calendar_ = nullptr;
    }
}

IcuUmmAlQura::~IcuUmmAlQura() {
    if (calendar_ != nullptr) {
        LoadedIcu()->close(calendar_);
    }
}

std::optional<HijriDate> IcuUmmAlQura::HijriAt(UDate moment) {
    const IcuCalendarApi& icu = *LoadedIcu();
    UErrorCode status = U_ZERO_ERROR;
    icu.setMillis(calendar_, moment, &status);
    HijriDate h;
    h.year = icu.get(calendar_, UCAL_EXTENDED_YEAR, &status);
    h.month = icu.get(calendar_, UCAL_MONTH, &status) + 1;
    h.day = icu.get(calendar_, UCAL_DATE, &status);
    return U_SUCCESS(status) ? std::optional<HijriDate>(h) : std::nullopt;
}

std::optional<std::int64_t> IcuUmmAlQura::MonthStartDay(int year, int month) {
    const IcuCalendarApi& icu = *LoadedIcu();
    UErrorCode status = U_ZERO_ERROR;
    icu.clear(calendar_);
    icu.set(calendar_, UCAL_EXTENDED_YEAR, year);
    icu.set(calendar_, UCAL_MONTH, month - 1);
    icu.set(calendar_, UCAL_DATE, 1);
    const UDate start = icu.getMillis(calendar_, &status);
    if (U_FAILURE(status)) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(std::floor(start / kMillisPerDay));
}

}  // namespace orvanta
