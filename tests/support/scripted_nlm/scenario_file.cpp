#include "tests/support/scripted_nlm/scenario_file.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

constexpr wchar_t ScenarioVariable[] = L"LUMIVO_TEST_NETWORKS";

class UniqueFile {
public:
    explicit UniqueFile(HANDLE handle) : handle_(handle) {}
    ~UniqueFile() {
        if (handle_ != INVALID_HANDLE_VALUE) {
            CloseHandle(handle_);
        }
    }
    UniqueFile(const UniqueFile&) = delete;
    UniqueFile& operator=(const UniqueFile&) = delete;

    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_;
};

std::wstring ScenarioPath() {
    const DWORD size = GetEnvironmentVariableW(ScenarioVariable, nullptr, 0);
    if (size == 0) {
        return std::wstring();
    }
    std::wstring path(size, L'\0');
    const DWORD length = GetEnvironmentVariableW(ScenarioVariable, path.data(), size);
    path.resize(length < size ? length : 0);
    if (!path.empty() && path.front() == L'/') {
        for (wchar_t& c : path) {
            if (c == L'/') {
                c = L'\\';
            }
        }
        path.insert(0, L"Z:");
    }
    return path;
}

bool ReadWholeFile(const std::wstring& path, std::string& text) {
    const UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.Get() == INVALID_HANDLE_VALUE) {
        return false;
    }
    text.clear();
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file.Get(), buffer, sizeof buffer, &read, nullptr) && read > 0) {
        text.append(buffer, read);
    }
    return true;
}

}  // namespace

std::shared_ptr<const NetworkScenario> LoadScenarioFile() {
    const std::wstring path = ScenarioPath();
    std::string text;
    if (path.empty() || !ReadWholeFile(path, text)) {
        return std::make_shared<const NetworkScenario>();
    }
    std::string error;
    std::optional<NetworkScenario> scenario = ParseNetworkScenario(text, error);
    if (!scenario) {
        const std::string message = "scripted_nlm: malformed scenario file, " + error + "\n";
        OutputDebugStringA(message.c_str());
        std::fputs(message.c_str(), stderr);
        return std::make_shared<const NetworkScenario>();
    }
    return std::make_shared<const NetworkScenario>(std::move(*scenario));
}

unsigned long long ScenarioWriteTime() {
    const std::wstring path = ScenarioPath();
    WIN32_FILE_ATTRIBUTE_DATA attributes{};
    if (path.empty() || !GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &attributes)) {
        return 0;
    }
    return (static_cast<unsigned long long>(attributes.ftLastWriteTime.dwHighDateTime) << 32) |
           attributes.ftLastWriteTime.dwLowDateTime;
}
