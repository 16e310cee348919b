#include "form/today.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <stdexcept>
#include <string_view>

namespace kelp {

CalendarDate LocalDate() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

CalendarDate ReproducibleDate() {
    const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
    if (!epoch) return LocalDate();
    const std::string_view text(epoch);
    std::time_t seconds = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    std::tm utc{};
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !gmtime_r(&seconds, &utc))
        throw std::invalid_argument("not a number of seconds: " + std::string(text));
    return {utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday};
}

std::string IsoDateText(const CalendarDate& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

std::string TodayText() { return IsoDateText(LocalDate()); }

}  // namespace kelp
