#include "common/settings/windows_name_table.h"

#include <cstdint>
#include "common/text/texts.h"

namespace {

constexpr std::uint32_t AnyNumber = 0xFFFFFFFF;

enum class BuildTest { Any, Equals, Below, AtLeast };
enum class ProductTest { Any, Workstation, NotWorkstation };

// How the longer name puts the build number after the short name.
enum class BuildWording {
    OsBuild,            // " (OS Build B)"
    VersionAndOsBuild,  // " Version V (OS Build B)"
    BuildOnly,          // " (B)"
};

struct NameRow {
    std::uint32_t platform;
    std::uint32_t major;
    std::uint32_t minor;
    BuildTest buildTest;
    std::uint32_t build;
    ProductTest product;
    const char* name;
    BuildWording wording;
};

constexpr BuildTest AnyBuild = BuildTest::Any;
constexpr ProductTest AnyProduct = ProductTest::Any;

// Tried in order; the first row whose every condition holds names the version.
constexpr NameRow NameRows[] = {
    {1, 4, AnyNumber, BuildTest::Equals, 950, AnyProduct, "Windows 95", BuildWording::OsBuild},
    {1, 4, AnyNumber, BuildTest::Equals, 1111, AnyProduct, "Windows 95 OSR2",
     BuildWording::OsBuild},
    {1, 4, AnyNumber, BuildTest::Equals, 1998, AnyProduct, "Windows 98", BuildWording::OsBuild},
    {1, 4, AnyNumber, BuildTest::Equals, 2222, AnyProduct, "Windows 98 SE", BuildWording::OsBuild},
    {1, 4, AnyNumber, BuildTest::Equals, 3000, AnyProduct, "Windows ME", BuildWording::OsBuild},
    {2, 3, 0, AnyBuild, 0, AnyProduct, "Windows NT v3", BuildWording::OsBuild},
    {2, 3, 1, AnyBuild, 0, AnyProduct, "Windows NT v3.1", BuildWording::OsBuild},
    {2, 4, AnyNumber, BuildTest::Equals, 1381, AnyProduct, "Windows NT v4", BuildWording::OsBuild},
    {2, 5, AnyNumber, BuildTest::Equals, 2195, AnyProduct, "Windows 2000", BuildWording::OsBuild},
    {2, 5, 2, BuildTest::Equals, 3790, AnyProduct, "Windows 2003", BuildWording::OsBuild},
    {2, 5, 1, BuildTest::Equals, 2600, AnyProduct, "Windows XP", BuildWording::OsBuild},
    {2, 6, 0, AnyBuild, 0, ProductTest::Workstation, "VISTA", BuildWording::OsBuild},
    {AnyNumber, 6, 0, AnyBuild, 0, ProductTest::NotWorkstation, "Windows 2008",
     BuildWording::OsBuild},
    {AnyNumber, 6, 1, AnyBuild, 0, ProductTest::NotWorkstation, "Windows 2008 R2",
     BuildWording::OsBuild},
    {2, 6, 1, AnyBuild, 0, ProductTest::Workstation, "Windows 7", BuildWording::OsBuild},
    {2, 6, 2, AnyBuild, 0, ProductTest::Workstation, "Windows 8", BuildWording::OsBuild},
    {AnyNumber, 6, 2, AnyBuild, 0, ProductTest::NotWorkstation, "Windows 2012",
     BuildWording::OsBuild},
    {AnyNumber, 6, 3, AnyBuild, 0, ProductTest::Workstation, "Windows 8.1", BuildWording::OsBuild},
    {AnyNumber, 6, 3, AnyBuild, 0, ProductTest::NotWorkstation, "Windows 2012 R2",
     BuildWording::OsBuild},
    {AnyNumber, 10, AnyNumber, BuildTest::Below, 22000, ProductTest::Workstation, "Windows 10",
     BuildWording::VersionAndOsBuild},
    {AnyNumber, 10, AnyNumber, BuildTest::AtLeast, 22000, ProductTest::Workstation, "Windows 11",
     BuildWording::VersionAndOsBuild},
    {AnyNumber, 10, AnyNumber, AnyBuild, 0, ProductTest::NotWorkstation, "Windows 2016",
     BuildWording::BuildOnly},
};

bool Holds(std::uint32_t wanted, std::uint32_t actual) {
    return wanted == AnyNumber || wanted == actual;
}

bool BuildHolds(const NameRow& row, std::uint32_t build) {
    switch (row.buildTest) {
        case BuildTest::Equals:
            return build == row.build;
        case BuildTest::Below:
            return build < row.build;
        case BuildTest::AtLeast:
            return build >= row.build;
        case BuildTest::Any:
            break;
    }
    return true;
}

bool ProductHolds(const NameRow& row, std::uint8_t productType) {
    switch (row.product) {
        case ProductTest::Workstation:
            return productType == NtWorkstation;
        case ProductTest::NotWorkstation:
            return productType != NtWorkstation;
        case ProductTest::Any:
            break;
    }
    return true;
}

const NameRow* MatchingRow(const WindowsVersionRecord& record) {
    for (const NameRow& row : NameRows) {
        if (Holds(row.platform, record.dwPlatformId) && Holds(row.major, record.dwMajorVersion) &&
            Holds(row.minor, record.dwMinorVersion) && BuildHolds(row, record.dwBuildNumber) &&
            ProductHolds(row, record.wProductType)) {
            return &row;
        }
    }
    return nullptr;
}

}  // namespace

std::string WindowsNameOf(const WindowsVersionRecord& record) {
    const NameRow* row = MatchingRow(record);
    return row != nullptr ? row->name : Text(IDS_WINDOWS_VERSION_UNKNOWN);
}

std::string WindowsNameWithBuildOf(const WindowsVersionRecord& record,
                                   const std::function<std::string()>& readDisplayVersion) {
    const NameRow* row = MatchingRow(record);
    if (row == nullptr) {
        return Text(IDS_WINDOWS_VERSION_UNKNOWN);
    }
    const std::string name = row->name;
    const std::string build = std::to_string(record.dwBuildNumber);
    switch (row->wording) {
        case BuildWording::VersionAndOsBuild:
            return name +
                   Text(IDS_WINDOWS_VERSION_AND_BUILD, {ShownText(readDisplayVersion()), build});
        case BuildWording::BuildOnly:
            return name + " (" + build + ")";
        case BuildWording::OsBuild:
            break;
    }
    return name + Text(IDS_WINDOWS_OS_BUILD, {build});
}
