#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/network/file_time.h"

// The line that opens every network block of the report: 160 hyphens.
extern const std::string ReportSeparator;

// "Yes" for any true answer, "No" for false.
std::string YesNoText(bool value);

// The 38-character registry form: {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}, upper-case digits.
std::string GuidText(const Guid& guid);

std::string DomainTypeText(std::uint32_t domainType);
std::string CategoryText(std::uint32_t category);

// One line per set connectivity flag, each prefixed by indent, joined by CR LF with no line
// break after the last one.
std::string ConnectivityText(std::uint32_t connectivity, std::string_view indent);

// "YYYY-MM-DD hh:mm:ss (mmm milliseconds) Weekday" in UTC; all fields 0 when Windows cannot
// convert the time.
std::string FileTimeText(FileTime time);
