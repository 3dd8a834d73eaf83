// The HTTP fetch through WinINet against a small local server (tests/support/http_test_server.py),
// which the tests start as a Linux process from Wine.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "common/platform/win32/internet_win32.h"
#include "common/services/fetch_url_text.h"
#include "support/ui/test_folder.h"
#include "wine/probe_programs.h"

namespace fs = std::filesystem;

namespace {

// The server's body of the given size: byte i is 'A' + (7 i + i / 1024) mod 26.
std::string ServerBody(std::size_t size) {
    std::string body(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        body[i] = static_cast<char>('A' + (7 * i + i / 1024) % 26);
    }
    return body;
}

// The Linux path of a Windows path, through Wine's own mapping.
std::string UnixPathOf(const fs::path& path) {
    using UnixFileName = char*(CDECL*)(const wchar_t*);
    const auto unixFileName = reinterpret_cast<UnixFileName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (unixFileName == nullptr) {
        return std::string();
    }
    char* unixPath = unixFileName(path.wstring().c_str());
    if (unixPath == nullptr) {
        return std::string();
    }
    std::string text = unixPath;
    HeapFree(GetProcessHeap(), 0, unixPath);
    return text;
}

class FetchUrlTextUnderWine : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        scratch_ = new ui::TestFolder("http-test");
        const char* sourceDir = std::getenv("LUMIVO_SOURCE_DIR");
        if (sourceDir == nullptr) {
            return;
        }
        const fs::path portFile = scratch_->Path() / "port";
        std::string commandLine = "/usr/bin/python3 " + std::string(sourceDir) +
                                  "/tests/support/http_test_server.py " + UnixPathOf(portFile);
        STARTUPINFOA startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION started{};
        if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            nullptr, &startup, &started)) {
            return;
        }
        // Wine hands out no handles for a Linux process.
        if (started.hProcess != nullptr) {
            CloseHandle(started.hProcess);
        }
        if (started.hThread != nullptr) {
            CloseHandle(started.hThread);
        }
        if (WaitForFile(portFile, 15000)) {
            std::ifstream ports(portFile);
            ports >> port_ >> closedPort_;
        }
    }

    static void TearDownTestSuite() {
        if (port_ != 0) {
            Win32Internet internet;
            FetchUrlText(internet, Url("/quit"));
        }
        delete scratch_;
        scratch_ = nullptr;
    }

    void SetUp() override {
        ASSERT_NE(port_, 0) << "the test server did not start (LUMIVO_SOURCE_DIR set?)";
    }

    static std::string Url(const std::string& path, int port = port_) {
        return "http://127.0.0.1:" + std::to_string(port) + path;
    }

    Win32Internet internet_;
    static inline ui::TestFolder* scratch_ = nullptr;
    static inline int port_ = 0;
    static inline int closedPort_ = 0;
};

TEST_F(FetchUrlTextUnderWine, BodiesComeBackWhole) {
    for (std::size_t size : {0u, 5u, 1024u, 1025u, 5000u}) {
        const std::string text = FetchUrlText(internet_, Url("/bytes/" + std::to_string(size)));
        EXPECT_EQ(text.size(), size);
        EXPECT_EQ(text, ServerBody(size)) << size << " bytes";
    }
}

TEST_F(FetchUrlTextUnderWine, LargeBodyStopsAt64KiB) {
    const std::string text = FetchUrlText(internet_, Url("/bytes/204800"));
    EXPECT_EQ(text.size(), 65536u);
    EXPECT_EQ(text, ServerBody(65536));
}

TEST_F(FetchUrlTextUnderWine, ClosedPortGivesEmptyTextQuickly) {
    const ULONGLONG start = GetTickCount64();
    EXPECT_EQ(FetchUrlText(internet_, Url("/bytes/5", closedPort_)), "");
    EXPECT_LT(GetTickCount64() - start, 5000u);
}

TEST_F(FetchUrlTextUnderWine, DroppedConnectionGivesWhatWasRead) {
    EXPECT_EQ(FetchUrlText(internet_, Url("/drop/3000/10000")), ServerBody(3000));
    EXPECT_EQ(FetchUrlText(internet_, Url("/drop/0/100")), "");
}

TEST_F(FetchUrlTextUnderWine, NotFoundPageIsABodyLikeAnyOther) {
    const std::string text = FetchUrlText(internet_, Url("/Software/LMV/LMVversion.txt"));
    EXPECT_NE(text.find("404"), std::string::npos) << text;
}

}  // namespace
