// The COM adapter of the network walk under Wine: against the scripted Network List Manager that
// the test prefix registers, and against Wine's own.
#include <gtest/gtest.h>

#include <windows.h>
#include <objbase.h>
#include <psapi.h>
#include <netlistmgr.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "common/network/adapter_snapshot.h"
#include "common/network/name_lists.h"
#include "common/network/network_report.h"
#include "common/network/wide_to_ansi.h"
#include "common/platform/win32/adapters_win32.h"
#include "common/platform/win32/com_ptr.h"
#include "common/platform/win32/network_list_win32.h"
#include "tests/support/network_samples.h"
#include "wine/process_figures.h"

namespace {

constexpr wchar_t ServerKey[] =
    L"Software\\Classes\\CLSID\\{DCB00C01-570F-4A9B-8D69-199FDBA5723B}\\InprocServer32";

std::wstring TemporaryFilePath() {
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    wchar_t file[MAX_PATH];
    GetTempFileNameW(folder, L"lnw", 0, file);
    return file;
}

// Serves the scripted Network List Manager a scenario file for the life of the object; the
// environment variable names it as variableValue, by default its Windows path.
class ScenarioFile {
public:
    explicit ScenarioFile(std::string_view text, std::wstring path = TemporaryFilePath(),
                          std::wstring variableValue = std::wstring())
        : path_(std::move(path)) {
        Write(text);
        SetEnvironmentVariableW(L"LUMIVO_TEST_NETWORKS",
                                variableValue.empty() ? path_.c_str() : variableValue.c_str());
    }
    ~ScenarioFile() {
        SetEnvironmentVariableW(L"LUMIVO_TEST_NETWORKS", nullptr);
        DeleteFileW(path_.c_str());
    }
    ScenarioFile(const ScenarioFile&) = delete;
    ScenarioFile& operator=(const ScenarioFile&) = delete;

    void Write(std::string_view text) {
        HANDLE file = CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        CloseHandle(file);
        ASSERT_EQ(written, text.size());
    }

private:
    std::wstring path_;
};

std::wstring RegisteredServer() {
    wchar_t path[MAX_PATH] = L"";
    DWORD size = sizeof path;
    RegGetValueW(HKEY_LOCAL_MACHINE, ServerKey, nullptr, RRF_RT_REG_SZ, nullptr, path, &size);
    return path;
}

void RegisterServer(const std::wstring& path) {
    const LSTATUS status =
        RegSetKeyValueW(HKEY_LOCAL_MACHINE, ServerKey, nullptr, REG_SZ, path.c_str(),
                        static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t)));
    ASSERT_EQ(status, ERROR_SUCCESS);
}

// Puts Wine's own Network List Manager back in place of the scripted one while it lives.
class WineOwnServer {
public:
    WineOwnServer() : scripted_(RegisteredServer()) {
        RegisterServer(L"C:\\windows\\system32\\netprofm.dll");
    }
    ~WineOwnServer() { RegisterServer(scripted_); }
    WineOwnServer(const WineOwnServer&) = delete;
    WineOwnServer& operator=(const WineOwnServer&) = delete;

private:
    std::wstring scripted_;
};

std::string AnsiOf(const std::u16string& text) {
    const auto* wide = reinterpret_cast<const wchar_t*>(text.c_str());
    const int size = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, -1, ansi.data(), size, nullptr, nullptr);
    ansi.resize(static_cast<std::size_t>(size - 1));
    return ansi;
}

// The lines of a text without their CR LF.
std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find("\r\n"); end != std::string::npos;
         end = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    EXPECT_EQ(start, text.size()) << "text does not end with CR LF";
    return lines;
}

bool StartsWith(const std::string& text, std::string_view prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

// Checks the layout of a report of networks networks: head line, then per network a separator
// and the nine rows in their order (success or failure line), then any adapter lines, and a
// final separator.
void ExpectWellFormedReport(const std::string& report, int networks) {
    const std::vector<std::string> lines = LinesOf(report);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "GetNetworks ok");
    EXPECT_EQ(lines.back(), std::string(160, '-'));

    // Each block: the nine rows of a network in their order, then adapter lines if connected.
    const std::vector<std::vector<std::string_view>> rows = {
        {"Network description: <", "INetwork METHOD Description AS STRING failed"},
        {"Network name: <", "INetwork METHOD GetName AS STRING failed"},
        {"Network GUID: {", "INetwork METHOD NetworkId AS GUID failed"},
        {"Domain type: ", "DomainType METHOD NetworkId AS DWORD failed"},
        {"Time created:   \t", "INetwork METHOD GetTimeCreatedAndConnected AS FILETIME failed"},
        {"Connectivity: ", "INetwork METHOD GetConnectivity AS DWORD failed"},
        {"Category: ", "INetwork METHOD GetCategory AS DWORD failed"},
        {"Internet is connected: ", "INetwork METHOD IsConnectedToInternet AS INTEGER failed"},
        {"Network is connected: ", "INetwork METHOD IsConnected AS INTEGER failed"},
    };
    int blocks = 0;
    std::size_t at = 1;
    while (at + 1 < lines.size()) {
        ASSERT_EQ(lines[at], std::string(160, '-')) << "line " << at;
        ++at;
        ++blocks;
        for (const auto& row : rows) {
            ASSERT_LT(at, lines.size());
            const bool matches = StartsWith(lines[at], row[0]) || lines[at] == row[1];
            ASSERT_TRUE(matches) << "line " << at << ": " << lines[at];
            if (StartsWith(lines[at], "Time created:")) {
                ++at;
                ASSERT_TRUE(StartsWith(lines[at], "Time connected: \t")) << lines[at];
            }
            if (lines[at] == "Connectivity: ") {
                while (at + 1 < lines.size() && StartsWith(lines[at + 1], "     ")) {
                    ++at;
                }
            }
            ++at;
        }
        while (at < lines.size() && lines[at] != std::string(160, '-')) {
            ASSERT_TRUE(lines[at].empty() || lines[at][0] == '\t') << lines[at];
            ++at;
        }
    }
    EXPECT_EQ(blocks, networks);
}

class ScriptedNetworkListManager : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(RegisteredServer().find(L"scripted_nlm.dll"), std::wstring::npos)
            << "the test prefix does not serve the scripted Network List Manager";
    }

    Win32NetworkList networks_;
};

TEST_F(ScriptedNetworkListManager, ReportsEqualTheExpectedText) {
    ScenarioFile file(TwoNetworksScenario);
    const std::string twoNetworks = BuildNetworkReport(networks_);
    EXPECT_EQ(twoNetworks, TwoNetworksReport);
    ExpectWellFormedReport(twoNetworks, 2);
    file.Write(FailuresScenario);
    const std::string failures = BuildNetworkReport(networks_);
    EXPECT_EQ(failures, FailuresReport);
    ExpectWellFormedReport(failures, 3);
}

TEST_F(ScriptedNetworkListManager, HeadLineCases) {
    struct Case {
        const char* failure;
        std::string report;
    };
    const Case cases[] = {
        {"CoCreateInstance", ""},
        {"GetNetworks", "No network found!\r\n"},
        {"NoEnumerator", "GetNetworks failed\r\n"},
        {"get__NewEnum", "GetNetworks ok\r\n"},
    };
    for (const Case& c : cases) {
        ScenarioFile file("fail = " + std::string(c.failure) + "\n" +
                          std::string(TwoNetworksScenario));
        EXPECT_EQ(BuildNetworkReport(networks_), c.report) << c.failure;
    }
}

TEST_F(ScriptedNetworkListManager, MissingOrMalformedFileMeansNoNetworks) {
    const std::string empty = "GetNetworks ok\r\n" + SeparatorLine;
    EXPECT_EQ(BuildNetworkReport(networks_), empty);
    SetEnvironmentVariableW(L"LUMIVO_TEST_NETWORKS", L"C:\\no\\such\\scenario.txt");
    EXPECT_EQ(BuildNetworkReport(networks_), empty);
    SetEnvironmentVariableW(L"LUMIVO_TEST_NETWORKS", nullptr);

    ScenarioFile malformed("network\nname = Home\nconnected = maybe\n");
    EXPECT_EQ(BuildNetworkReport(networks_), empty);
}

TEST_F(ScriptedNetworkListManager, UnixPathNamesAFileOnDriveZ) {
    const std::wstring name = L"lumivo-networks-" + std::to_wstring(GetCurrentProcessId());
    ScenarioFile file("network\nname = Home\nconnected = yes\n", L"Z:\\tmp\\" + name,
                      L"/tmp/" + name);
    EXPECT_EQ(ConnectedNetworkList(networks_), "Home");
}

TEST_F(ScriptedNetworkListManager, NameLists) {
    ScenarioFile file(
        "network\nname = Attic\nconnected = yes\n"
        "network\nname = Garage\n"
        "network\nname = Home 2\nconnected = yes\nconnections = 3\n");
    EXPECT_EQ(ConnectedNetworkList(networks_), "Attic, Home 2");
    EXPECT_EQ(AllNetworkList(networks_), "Attic, Garage, Home 2");
    EXPECT_TRUE(IsNetworkConnected(networks_, " attic "));
    EXPECT_TRUE(IsNetworkConnected(networks_, "home"));
    EXPECT_FALSE(IsNetworkConnected(networks_, "Garage"));

    file.Write(FailuresScenario);
    EXPECT_EQ(ConnectedNetworkList(networks_), "Lab");
    EXPECT_EQ(AllNetworkList(networks_), "Lab, Spare");
}

TEST_F(ScriptedNetworkListManager, FileIsReadAgainOnEveryWalk) {
    ScenarioFile file("network\nname = Home\nconnected = yes\n");
    EXPECT_EQ(ConnectedNetworkList(networks_), "Home");
    file.Write("network\nname = Home\nnetwork\nname = Office\nconnected = yes\n");
    EXPECT_EQ(ConnectedNetworkList(networks_), "Office");
    EXPECT_TRUE(IsNetworkConnected(networks_, "OFFICE"));
    EXPECT_FALSE(IsNetworkConnected(networks_, "Home"));
}

TEST_F(ScriptedNetworkListManager, NamesConvertWholeInTheAnsiCodePage) {
    const std::u16string name = u"Caf\u00E9 \U0001F4F6 \u00DCber";
    ScenarioFile file(
        "network\nname = Caf\xC3\xA9 \xF0\x9F\x93\xB6 \xC3\x9C"
        "ber\nconnected = yes\n");
    const std::string ansi = AnsiOf(name);
    std::printf("ANSI code page %u: \"%s\" (%zu bytes for %zu UTF-16 units)\n", GetACP(),
                ansi.c_str(), ansi.size(), name.size());
    EXPECT_EQ(WideToAnsi(networks_, name.c_str()), ansi);
    EXPECT_EQ(ConnectedNetworkList(networks_), ansi);
    EXPECT_EQ(BuildNetworkReport(networks_).find('\0'), std::string::npos);
}

TEST_F(ScriptedNetworkListManager, UpperCasingIsTheSystems) {
    // In the Western code pages "\xE9" is é and "\xC9" is É.
    if (GetACP() != 1252) {
        GTEST_SKIP() << "ANSI code page " << GetACP();
    }
    ScenarioFile file("network\nname = Caf\xC3\xA9\nconnected = yes\n");
    EXPECT_TRUE(IsNetworkConnected(networks_, "CAF\xC9"));
}

TEST_F(ScriptedNetworkListManager, WalkLeavesComAsItFoundIt) {
    ScenarioFile file(TwoNetworksScenario);
    BuildNetworkReport(networks_);
    // Had the walk left its apartment behind, the thread could not enter another model.
    const HRESULT multithreaded = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    EXPECT_EQ(multithreaded, S_OK);
    if (SUCCEEDED(multithreaded)) {
        // Inside a caller's multithreaded apartment the walk still works and keeps it.
        EXPECT_EQ(BuildNetworkReport(networks_), TwoNetworksReport);
        EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE);
        CoUninitialize();
        CoUninitialize();
    }
}

TEST_F(ScriptedNetworkListManager, TwoThousandWalksLeaveNothingBehind) {
    // Long texts make any string that is not freed show in the private bytes.
    const std::string description(2000, 'd');
    std::string scenario;
    for (int i = 0; i < 6; ++i) {
        scenario += "network\nname = Network " + std::to_string(i) +
                    "\ndescription = " + description +
                    "\nconnected = " + (i % 2 == 0 ? "yes" : "no") + "\nconnections = 2\n";
    }
    ScenarioFile file(scenario);

    // The server stays loaded so that its count of live objects can be asked at the end.
    const HMODULE server = LoadLibraryW(RegisteredServer().c_str());
    ASSERT_NE(server, nullptr);
    const auto canUnloadNow = reinterpret_cast<HRESULT(WINAPI*)()>(
        reinterpret_cast<void*>(GetProcAddress(server, "DllCanUnloadNow")));
    ASSERT_NE(canUnloadNow, nullptr);

    for (int i = 0; i < 100; ++i) {
        ASSERT_EQ(ConnectedNetworkList(networks_), "Network 0, Network 2, Network 4");
    }
    const ProcessFigures before = MeasureProcess(GetCurrentProcess());
    for (int i = 0; i < 2000; ++i) {
        ASSERT_EQ(ConnectedNetworkList(networks_), "Network 0, Network 2, Network 4");
    }
    const ProcessFigures after = MeasureProcess(GetCurrentProcess());
    std::printf(
        "2000 walks: handles %lu -> %lu, private bytes %zu -> %zu (%+lld)\n", before.handles,
        after.handles, before.privateBytes, after.privateBytes,
        static_cast<long long>(after.privateBytes) - static_cast<long long>(before.privateBytes));

    EXPECT_EQ(canUnloadNow(), S_OK) << "scripted objects still alive";
    FreeLibrary(server);
    EXPECT_LE(after.handles, before.handles + 2);
    // One lost description per walk would be 8 MB; allow the heap some slack.
    EXPECT_LT(after.privateBytes, before.privateBytes + 512 * 1024);
}

// What Wine's own Network List Manager answers, asked without the adapter: get__NewEnum's
// result and the number of networks enumerated.
struct DirectWalk {
    HRESULT newEnum = E_FAIL;
    int networks = 0;
};

DirectWalk WalkDirectly() {
    DirectWalk walk;
    EXPECT_EQ(CoInitialize(nullptr), S_OK);
    {
        ComPtr<INetworkListManager> manager;
        ComPtr<IEnumNetworks> enumerator;
        EXPECT_EQ(CoCreateInstance(__uuidof(NetworkListManager), nullptr, CLSCTX_ALL,
                                   __uuidof(INetworkListManager),
                                   reinterpret_cast<void**>(manager.Receive())),
                  S_OK);
        if (manager && manager->GetNetworks(NLM_ENUM_NETWORK_ALL, enumerator.Receive()) == S_OK) {
            ComPtr<IEnumVARIANT> variants;
            walk.newEnum = enumerator->get__NewEnum(variants.Receive());
            for (;;) {
                ComPtr<INetwork> network;
                ULONG fetched = 0;
                if (enumerator->Next(1, network.Receive(), &fetched) != S_OK || fetched != 1) {
                    break;
                }
                ++walk.networks;
            }
        }
    }
    CoUninitialize();
    return walk;
}

TEST(WineNetworkListManager, GivesAWellFormedReport) {
    const WineOwnServer wine;
    Win32NetworkList networks;
    const std::string report = BuildNetworkReport(networks);
    const DirectWalk walk = WalkDirectly();
    std::printf("Wine's Network List Manager: get__NewEnum 0x%08lX, %d networks; report:\n%s",
                static_cast<unsigned long>(walk.newEnum), walk.networks, report.c_str());
    if (walk.newEnum != S_OK) {
        // The walk ends after the head line when the enumerator gives no IEnumVARIANT.
        EXPECT_EQ(report, "GetNetworks ok\r\n");
        return;
    }
    ExpectWellFormedReport(report, walk.networks);
}

// The words of an environment variable that wine-run --netns sets for the namespace it makes.
std::vector<std::string> EnvironmentWords(const char* name) {
    char value[512] = "";
    GetEnvironmentVariableA(name, value, sizeof value);
    std::vector<std::string> words;
    for (const char* word = std::strtok(value, " "); word != nullptr;
         word = std::strtok(nullptr, " ")) {
        words.emplace_back(word);
    }
    return words;
}

// The adapter that lists the address "ADDRESS/ON-LINK-PREFIX"; nullptr when none does.
const AdapterAddresses* AdapterListing(const std::vector<AdapterAddresses>& adapters,
                                       const std::string& address) {
    for (const AdapterAddresses& adapter : adapters) {
        for (const UnicastAddress& unicast : adapter.unicastAddresses) {
            if (AddressText(unicast.address) + "/" + std::to_string(unicast.onLinkPrefixLength) ==
                address) {
                return &adapter;
            }
        }
    }
    return nullptr;
}

TEST(NamespaceAdapters, RangesMatchTheAddressesOfAdaptersThatAreUp) {
    const std::vector<std::string> up = EnvironmentWords("LUMIVO_TEST_UP_ADDRESSES");
    const std::vector<std::string> down = EnvironmentWords("LUMIVO_TEST_DOWN_ADDRESS");
    ASSERT_FALSE(up.empty()) << "runs inside wine-run --netns";
    ASSERT_EQ(down.size(), 1u);
    Win32Adapters adapters;
    std::vector<AdapterAddresses> listed;
    ASSERT_EQ(adapters.GetAdaptersAddresses(listed), AdapterListOk);
    for (const AdapterAddresses& adapter : listed) {
        std::printf("adapter: IfType %u, OperStatus %u:", adapter.ifType, adapter.operStatus);
        for (const UnicastAddress& unicast : adapter.unicastAddresses) {
            std::printf(" %s/%u", AddressText(unicast.address).c_str(), unicast.onLinkPrefixLength);
        }
        std::printf("\n");
    }

    const AdapterSnapshot snapshot = TakeAdapterSnapshot(adapters);
    for (const std::string& address : up) {
        const AdapterAddresses* adapter = AdapterListing(listed, address);
        ASSERT_NE(adapter, nullptr) << address;
        EXPECT_EQ(adapter->operStatus, OperStatusUp) << address;
        const auto match = MatchingAddress(snapshot, ParseAddressRange(address).value());
        ASSERT_TRUE(match) << address;
        EXPECT_EQ(AddressText(*match), address.substr(0, address.find('/')));
    }
    // The loopback adapter and the one that is down list their addresses; ranges skip them.
    const AdapterAddresses* downAdapter = AdapterListing(listed, down[0]);
    ASSERT_NE(downAdapter, nullptr);
    EXPECT_NE(downAdapter->operStatus, OperStatusUp);
    EXPECT_FALSE(MatchingAddress(snapshot, ParseAddressRange(down[0]).value()));
    const AdapterAddresses* loopback = AdapterListing(listed, "127.0.0.1/8");
    ASSERT_NE(loopback, nullptr);
    EXPECT_EQ(loopback->ifType, IfTypeSoftwareLoopback);
    EXPECT_FALSE(MatchingAddress(snapshot, ParseAddressRange("127.0.0.0/8").value()));
}

}  // namespace
