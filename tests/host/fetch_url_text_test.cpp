#include <gtest/gtest.h>

#include <string>

#include "common/services/fetch_url_text.h"
#include "support/fakes/scripted_internet.h"

namespace {

const std::string Url = "https://updates.example/Software/LMV/LMVversion.txt";

// A body whose bytes tell their position, so a lost or repeated chunk shows.
std::string Body(std::size_t size) {
    std::string body;
    for (std::size_t i = 0; i < size; ++i) {
        body += static_cast<char>('0' + (i * 7 + i / 1024) % 75);
    }
    return body;
}

TEST(FetchUrlText, DirectConnectionWithoutCacheWrites) {
    ScriptedInternet internet;
    internet.responses[Url] = {"1.19", std::nullopt};
    EXPECT_EQ(FetchUrlText(internet, Url), "1.19");

    ASSERT_EQ(internet.opens.size(), 1u);
    EXPECT_EQ(internet.opens[0].agent, "Test");
    EXPECT_EQ(internet.opens[0].accessType, 1u);
    EXPECT_EQ(internet.opens[0].flags, 0u);
    ASSERT_EQ(internet.urlOpens.size(), 1u);
    EXPECT_EQ(internet.urlOpens[0].url, Url);
    EXPECT_EQ(internet.urlOpens[0].flags, 0x04000000u);
    EXPECT_EQ(internet.urlOpens[0].context, 0u);
}

TEST(FetchUrlText, BodiesComeBackWholeIn1024ByteReads) {
    for (std::size_t size : {0u, 5u, 1023u, 1024u, 1025u, 5000u}) {
        ScriptedInternet internet;
        internet.responses[Url] = {Body(size), std::nullopt};
        EXPECT_EQ(FetchUrlText(internet, Url), Body(size)) << size << " bytes";
        for (std::uint32_t asked : internet.readSizesAsked) {
            EXPECT_EQ(asked, 1024u);
        }
        EXPECT_EQ(internet.readSizesAsked.size(), size / 1024 + 1 + (size % 1024 != 0 ? 1 : 0));
    }
}

TEST(FetchUrlText, StopsReadingAt64KiB) {
    ScriptedInternet internet;
    internet.responses[Url] = {Body(200 * 1024), std::nullopt};
    const std::string text = FetchUrlText(internet, Url);
    EXPECT_EQ(text, Body(64 * 1024));
    EXPECT_EQ(internet.readSizesAsked.size(), 64u);
    EXPECT_TRUE(internet.AllHandlesClosed());
}

TEST(FetchUrlText, UnevenReadsStopExactlyAt64KiB) {
    ScriptedInternet internet;
    internet.chunkSize = 1000;
    internet.responses[Url] = {Body(70000), std::nullopt};
    EXPECT_EQ(FetchUrlText(internet, Url), Body(65536));
}

TEST(FetchUrlText, FailedReadKeepsWhatCameBefore) {
    ScriptedInternet internet;
    internet.responses[Url] = {Body(5000), std::size_t{2500}};
    EXPECT_EQ(FetchUrlText(internet, Url), Body(2500));
    EXPECT_TRUE(internet.AllHandlesClosed());
}

TEST(FetchUrlText, NoConnectionGivesEmptyText) {
    ScriptedInternet internet;
    internet.openFails = true;
    internet.responses[Url] = {"1.19", std::nullopt};
    EXPECT_EQ(FetchUrlText(internet, Url), "");
    EXPECT_TRUE(internet.urlOpens.empty());
}

TEST(FetchUrlText, UnopenableUrlGivesEmptyTextAndClosesTheConnection) {
    ScriptedInternet internet;
    EXPECT_EQ(FetchUrlText(internet, Url), "");
    EXPECT_EQ(internet.urlOpens.size(), 1u);
    EXPECT_EQ(internet.closed.size(), 1u);
    EXPECT_TRUE(internet.AllHandlesClosed());
}

TEST(FetchUrlText, RequestClosesBeforeTheConnection) {
    ScriptedInternet internet;
    internet.responses[Url] = {"1.20", std::nullopt};
    FetchUrlText(internet, Url);
    ASSERT_EQ(internet.closed.size(), 2u);
    EXPECT_EQ(internet.closed[1], internet.urlOpens[0].internet);
    EXPECT_NE(internet.closed[0], internet.closed[1]);
    EXPECT_TRUE(internet.AllHandlesClosed());
}

TEST(FetchUrlText, UrlIsCutAt2047Characters) {
    const std::string longUrl = "http://example.com/" + std::string(3000, 'x');
    ScriptedInternet internet;
    internet.responses[longUrl.substr(0, 2047)] = {"cut", std::nullopt};
    EXPECT_EQ(FetchUrlText(internet, longUrl), "cut");
    ASSERT_EQ(internet.urlOpens.size(), 1u);
    EXPECT_EQ(internet.urlOpens[0].url.size(), 2047u);
}

}  // namespace
