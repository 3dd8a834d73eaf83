#include "common/network/report_text.h"

#include <array>
#include <cstdio>

const std::string ReportSeparator(160, '-');

std::string YesNoText(bool value) {
    return value ? "Yes" : "No";
}

std::string GuidText(const Guid& guid) {
    char text[39];
    std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  static_cast<unsigned>(guid.data1), guid.data2, guid.data3, guid.data4[0],
                  guid.data4[1], guid.data4[2], guid.data4[3], guid.data4[4], guid.data4[5],
                  guid.data4[6], guid.data4[7]);
    return text;
}

std::string DomainTypeText(std::uint32_t domainType) {
    switch (domainType) {
        case 0:
            return "NLM_DOMAIN_TYPE_NON_DOMAIN_NETWORK 0x0";
        case 1:
            return "NLM_DOMAIN_TYPE_DOMAIN_NETWORK 0x01";
        case 2:
            return "NLM_DOMAIN_TYPE_DOMAIN_AUTHENTICATED 0x02";
        default:
            return "(Unknown NLM_DOMAIN_TYPE " + std::to_string(domainType) + ")";
    }
}

std::string CategoryText(std::uint32_t category) {
    switch (category) {
        case 0:
            return "The network is a public (untrusted) network. NLM_NETWORK_CATEGORY_PUBLIC 0x0";
        case 1:
            return "The network is a private (trusted) network. NLM_NETWORK_CATEGORY_PRIVATE 0x1";
        case 2:
            return "The network is authenticated against an Active Directory domain. "
                   "NLM_NETWORK_CATEGORY_DOMAIN_AUTHENTICATED 0x2";
        default:
            return "(Unknown NLM_NETWORK_CATEGORY " + std::to_string(category) + ")";
    }
}

namespace {

struct ConnectivityFlag {
    std::uint32_t flag;
    const char* text;
};

constexpr std::array<ConnectivityFlag, 8> ConnectivityFlags{{
    {0x1,
     "     There is connectivity to a network, but the service cannot detect any IPv4 Network "
     "Traffic. NLM_CONNECTIVITY_IPV4_NOTRAFFIC 0x1"},
    {0x2,
     "     There is connectivity to a network, but the service cannot detect any IPv6 Network "
     "Traffic. NLM_CONNECTIVITY_IPV6_NOTRAFFIC 0x2"},
    {0x10,
     "     There is connectivity to the local subnet using the IPv4 protocol. "
     "NLM_CONNECTIVITY_IPV4_SUBNET 0x10"},
    {0x20,
     "     There is connectivity to a routed network using the IPv4 protocol. "
     "NLM_CONNECTIVITY_IPV4_LOCALNETWORK 0x20"},
    {0x40,
     "     There is connectivity to the Internet using the IPv4 protocol. "
     "NLM_CONNECTIVITY_IPV4_INTERNET 0x40"},
    {0x100,
     "     There is connectivity to the local subnet using the IPv6 protocol. "
     "NLM_CONNECTIVITY_IPV6_SUBNET 0x100"},
    {0x200,
     "     There is connectivity to a local network using the IPv6 protocol. "
     "NLM_CONNECTIVITY_IPV6_LOCALNETWORK 0x200"},
    {0x400,
     "     There is connectivity to the Internet using the IPv6 protocol. "
     "NLM_CONNECTIVITY_IPV6_INTERNET 0x400"},
}};

constexpr const char* DisconnectedText =
    "     The underlying network interfaces have no connectivity to any network. "
    "NLM_CONNECTIVITY_DISCONNECTED 0x0";

}  // namespace

std::string ConnectivityText(std::uint32_t connectivity, std::string_view indent) {
    if (connectivity == 0) {
        return std::string(indent) + DisconnectedText;
    }
    std::string text;
    for (const ConnectivityFlag& entry : ConnectivityFlags) {
        if ((connectivity & entry.flag) == 0) {
            continue;
        }
        if (!text.empty()) {
            text += "\r\n";
        }
        text += indent;
        text += entry.text;
    }
    if (text.empty()) {
        char error[48];
        std::snprintf(error, sizeof error, "(Connectivity error %u 0x%08X)",
                      static_cast<unsigned>(connectivity), static_cast<unsigned>(connectivity));
        return error;
    }
    return text;
}

std::string FileTimeText(FileTime time) {
    static constexpr std::array<const char*, 7> Weekdays{
        "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    CalendarTime fields;
    if (!FileTimeToCalendarTime(time, fields)) {
        fields = CalendarTime{};
    }
    const char* weekday = fields.dayOfWeek < Weekdays.size() ? Weekdays[fields.dayOfWeek] : "";
    char text[80];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u (%03u milliseconds) %s",
                  fields.year, fields.month, fields.day, fields.hour, fields.minute, fields.second,
                  fields.milliseconds, weekday);
    return text;
}
