#include "common/services/update_check_schedule.h"

#include "common/settings/registry_access.h"
#include "common/settings/settings_keys.h"
#include "common/text/text_helpers.h"

namespace {

constexpr std::size_t UtcTimeTextLength = 19;  // "YYYY-MM-DD HH:MM:SS"

// The number made of the digits at text[at, at + count), or nothing when one is not a digit.
std::optional<int> DigitsAt(const std::string& text, std::size_t at, std::size_t count) {
    int number = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return std::nullopt;
        }
        number = number * 10 + (text[i] - '0');
    }
    return number;
}

}  // namespace

std::optional<std::chrono::sys_seconds> ParseUtcTimeText(const std::string& text) {
    if (text.size() != UtcTimeTextLength || text[4] != '-' || text[7] != '-' || text[10] != ' ' ||
        text[13] != ':' || text[16] != ':') {
        return std::nullopt;
    }
    const auto year = DigitsAt(text, 0, 4);
    const auto month = DigitsAt(text, 5, 2);
    const auto day = DigitsAt(text, 8, 2);
    const auto hour = DigitsAt(text, 11, 2);
    const auto minute = DigitsAt(text, 14, 2);
    const auto second = DigitsAt(text, 17, 2);
    if (!year || !month || !day || !hour || !minute || !second || *hour > 23 || *minute > 59 ||
        *second > 59) {
        return std::nullopt;
    }
    const std::chrono::year_month_day date(std::chrono::year(*year),
                                           std::chrono::month(static_cast<unsigned>(*month)),
                                           std::chrono::day(static_cast<unsigned>(*day)));
    if (!date.ok()) {
        return std::nullopt;
    }
    return std::chrono::sys_days(date) + std::chrono::hours(*hour) + std::chrono::minutes(*minute) +
           std::chrono::seconds(*second);
}

bool ClaimAutomaticUpdateCheck(Registry& registry, std::chrono::sys_seconds now) {
    const std::optional<std::chrono::sys_seconds> last =
        ParseUtcTimeText(ReadRegistryText(registry, SettingsKeyPath, LastUpdateCheckValueName));
    // A record in the future says nothing true, say after the clock was set back: it counts as old.
    if (last && *last <= now && now - *last < AutomaticUpdateCheckInterval) {
        return false;
    }
    WriteRegistryText(registry, SettingsKeyPath, LastUpdateCheckValueName, DateTimeText(now));
    return true;
}
