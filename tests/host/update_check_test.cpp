#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "common/services/update_check.h"
#include "support/fakes/recording_message_boxes.h"
#include "support/fakes/recording_processes.h"
#include "support/fakes/scripted_internet.h"
#include "support/fakes/virtual_clock.h"

namespace {

const UpdateCheckProgram Console{"Lumivo Console - v1.19", "1.19", UpdateCheckForm::Console};
const UpdateCheckProgram Manager{"Lumivo Manager - v1.19", "1.19", UpdateCheckForm::Manager};
const UpdateCheckProgram Tray{"Lumivo Tray - v1.15", "1.15", UpdateCheckForm::Tray};

const std::string DownMessage =
    "The Lumivo update website appears to be down right now. Please check again later.";
const std::string UpToDateMessage = "Your version of Lumivo is up-to-date.";

std::string Prompt(const std::string& ownVersion, const std::string& newVersion) {
    return "Your version of Lumivo is " + ownVersion + ". There is a new version (" + newVersion +
           ") of Lumivo. Do you want to get it now?";
}

// One program's platform: the update server's answer, the user's answers, the passing time.
struct CheckPlatform {
    ScriptedInternet internet;
    RecordingMessageBoxes messageBoxes;
    RecordingProcesses processes;
    VirtualClock clock;

    // nullopt: the server cannot be reached.
    explicit CheckPlatform(const std::optional<std::string>& versionFile) {
        if (versionFile) {
            internet.responses[UpdateVersionFileUrl] = {*versionFile, std::nullopt};
        }
    }

    void Run(const UpdateCheckProgram& program) {
        RunUpdateCheck(internet, messageBoxes, processes, clock, program);
    }
};

class UpdateCheck : public ::testing::Test {
protected:
    void SetUp() override { UpdateCheckInteractive = false; }
    void TearDown() override { UpdateCheckInteractive = false; }

    // The texts of the boxes that one check of the program shows for the server's answer.
    static std::vector<std::string> MessagesFor(const UpdateCheckProgram& program,
                                                const std::optional<std::string>& versionFile,
                                                bool interactive) {
        UpdateCheckInteractive = interactive;
        CheckPlatform platform(versionFile);
        platform.Run(program);
        std::vector<std::string> texts;
        for (const auto& box : platform.messageBoxes.shown) {
            texts.push_back(box.text);
        }
        return texts;
    }

    using Texts = std::vector<std::string>;
};

TEST_F(UpdateCheck, AsksForTheVersionFileOverHttps) {
    CheckPlatform platform("1.19");
    platform.Run(Manager);
    ASSERT_EQ(platform.internet.urlOpens.size(), 1u);
    const std::string& url = platform.internet.urlOpens[0].url;
    EXPECT_EQ(url.rfind("https://", 0), 0u);
    EXPECT_EQ(url.substr(url.find('/', 8)), "/Software/LMV/LMVversion.txt");
    EXPECT_EQ(DownloadPageUrl, url.substr(0, url.find('/', 8)) + "/Software/LMV/");
}

TEST_F(UpdateCheck, SameVersionIsUpToDate) {
    for (const std::string body : {"1.19", "  1.19   ", "1.19 "}) {
        EXPECT_EQ(MessagesFor(Console, body, true), Texts{UpToDateMessage}) << body;
        EXPECT_EQ(MessagesFor(Console, body, false), Texts{}) << body;
        EXPECT_EQ(MessagesFor(Manager, body, true), Texts{}) << body;
    }
    EXPECT_EQ(MessagesFor(Tray, "1.15", false), Texts{});
}

TEST_F(UpdateCheck, LetterCaseDoesNotCount) {
    const UpdateCheckProgram beta{"Lumivo Console - v2.0b", "2.0b", UpdateCheckForm::Console};
    EXPECT_EQ(MessagesFor(beta, "2.0B", true), Texts{UpToDateMessage});
    const UpdateCheckProgram upper{"Lumivo Console - v2.0B", "2.0B", UpdateCheckForm::Console};
    EXPECT_EQ(MessagesFor(upper, "2.0b", true), Texts{UpToDateMessage});
}

TEST_F(UpdateCheck, OtherVersionIsOfferedInEveryForm) {
    // Equality, not order: a lower number is offered too.
    for (const std::string body : {"1.20", "1.18", " 1.18 ", "2.0"}) {
        const std::string offered = body == " 1.18 " ? "1.18" : body;
        for (bool interactive : {false, true}) {
            EXPECT_EQ(MessagesFor(Console, body, interactive), Texts{Prompt("1.19", offered)});
        }
        EXPECT_EQ(MessagesFor(Manager, body, false), Texts{Prompt("1.19", offered)});
    }
    EXPECT_EQ(MessagesFor(Tray, "1.19", false), Texts{Prompt("1.15", "1.19")});
}

TEST_F(UpdateCheck, OnlyAVersionTextIsOffered) {
    // Line breaks and tabs around the text do not count.
    EXPECT_EQ(MessagesFor(Console, "1.19\r\n", true), Texts{UpToDateMessage});
    EXPECT_EQ(MessagesFor(Tray, "\t1.16\n", false), Texts{Prompt("1.15", "1.16")});
    EXPECT_EQ(MessagesFor(Manager, "2.0-beta3", false), Texts{Prompt("1.19", "2.0-beta3")});
    // Any other text with a dot, such as an error page, means the server is down.
    for (const std::string& body : std::vector<std::string>{
             "<html><body>Error 1.2</body></html>", "1.20 final", "1.2" + std::string(30, '0')}) {
        EXPECT_EQ(MessagesFor(Console, body, true), Texts{DownMessage}) << body;
        EXPECT_EQ(MessagesFor(Console, body, false), Texts{}) << body;
        EXPECT_EQ(MessagesFor(Manager, body, false), Texts{}) << body;
    }
    EXPECT_EQ(MessagesFor(Manager, "1.2" + std::string(29, '0'), false).size(), 1u);
}

TEST_F(UpdateCheck, TextWithoutDotIsSilentEvenWhenAsked) {
    for (const std::string body : {"120", "Service Unavailable", "1,20"}) {
        EXPECT_EQ(MessagesFor(Console, body, true), Texts{}) << body;
        EXPECT_EQ(MessagesFor(Manager, body, false), Texts{}) << body;
        EXPECT_EQ(MessagesFor(Tray, body, false), Texts{}) << body;
    }
}

TEST_F(UpdateCheck, NotFoundAnywhereMeansTheServerIsDown) {
    for (const std::string body :
         {"404: Not Found", "<html><p>Error 404: page 1.20 is gone</p>", "1.20 404:"}) {
        EXPECT_EQ(MessagesFor(Console, body, true), Texts{DownMessage}) << body;
        EXPECT_EQ(MessagesFor(Console, body, false), Texts{}) << body;
        EXPECT_EQ(MessagesFor(Manager, body, false), Texts{}) << body;
        EXPECT_EQ(MessagesFor(Tray, body, false), Texts{}) << body;
    }
    // The marker wants its colon.
    EXPECT_EQ(MessagesFor(Console, "404.20", true), Texts{Prompt("1.19", "404.20")});
}

TEST_F(UpdateCheck, ParkedDomainMeansTheServerIsDown) {
    const std::string parked = "<html><script>window.location.href=\"http://" +
                               std::string(ParkingMarker) + "\";</script></html>";
    EXPECT_EQ(MessagesFor(Console, parked, true), Texts{DownMessage});
    EXPECT_EQ(MessagesFor(Console, parked, false), Texts{});
    EXPECT_EQ(MessagesFor(Manager, parked, false), Texts{});
    EXPECT_EQ(MessagesFor(Tray, parked, false), Texts{});
}

TEST_F(UpdateCheck, NoAnswerIsReportedAsDownNotAsUpToDate) {
    for (const std::optional<std::string>& body :
         {std::optional<std::string>(""), std::optional<std::string>("    "),
          std::optional<std::string>()}) {
        EXPECT_EQ(MessagesFor(Console, body, true), Texts{DownMessage});
        EXPECT_EQ(MessagesFor(Console, body, false), Texts{});
        EXPECT_EQ(MessagesFor(Manager, body, false), Texts{});
        EXPECT_EQ(MessagesFor(Tray, body, false), Texts{});
    }
}

TEST_F(UpdateCheck, MessagesCarryTheProgramTitleAndNoIcon) {
    struct Case {
        UpdateCheckProgram program;
        std::string body;
        std::uint32_t type;
    };
    for (const Case& check :
         {Case{Console, "1.19", 0x0}, Case{Console, "404:", 0x0}, Case{Console, "1.20", 0x4},
          Case{Manager, "1.20", 0x4}, Case{Tray, "1.16", 0x4}}) {
        UpdateCheckInteractive = true;
        CheckPlatform platform(check.body);
        platform.Run(check.program);
        ASSERT_EQ(platform.messageBoxes.shown.size(), 1u) << check.body;
        EXPECT_EQ(platform.messageBoxes.shown[0].caption, check.program.title);
        EXPECT_EQ(platform.messageBoxes.shown[0].type, check.type) << check.body;
    }
}

TEST_F(UpdateCheck, YesOpensTheDownloadPageAndEnds20SecondsLater) {
    for (const UpdateCheckProgram& program : {Console, Manager, Tray}) {
        CheckPlatform platform("1.30");
        platform.messageBoxes.answers = {IdYes};
        platform.Run(program);
        ASSERT_EQ(platform.processes.shellActions.size(), 1u);
        EXPECT_EQ(platform.processes.shellActions[0].file, DownloadPageUrl);
        EXPECT_EQ(platform.processes.shellActions[0].showCommand, 1);
        EXPECT_EQ(platform.clock.Pauses(), (std::vector<std::uint32_t>{10000, 10000}));
    }
}

TEST_F(UpdateCheck, NoOpensNothingAndEnds10SecondsLater) {
    for (const UpdateCheckProgram& program : {Console, Manager, Tray}) {
        CheckPlatform platform("1.30");
        platform.messageBoxes.answers = {IdNo};
        platform.Run(program);
        EXPECT_TRUE(platform.processes.shellActions.empty());
        EXPECT_EQ(platform.clock.Pauses(), (std::vector<std::uint32_t>{10000}));
    }
}

TEST_F(UpdateCheck, ConsoleCheckClearsTheFlagOnEveryPath) {
    for (const std::optional<std::string>& body :
         {std::optional<std::string>("1.19"), std::optional<std::string>("404:"),
          std::optional<std::string>("120"), std::optional<std::string>("1.20"),
          std::optional<std::string>("")}) {
        for (int answer : {IdYes, IdNo}) {
            UpdateCheckInteractive = true;
            CheckPlatform platform(body);
            platform.messageBoxes.answers = {answer};
            platform.Run(Console);
            EXPECT_FALSE(UpdateCheckInteractive) << body.value_or("(unreachable)");
        }
    }
}

TEST_F(UpdateCheck, ManagerAndTrayNeitherReadNorClearTheFlag) {
    for (const UpdateCheckProgram& program : {Manager, Tray}) {
        UpdateCheckInteractive = true;
        for (const std::string& body :
             {std::string("404:"), std::string(), program.ownVersion, std::string("120")}) {
            CheckPlatform platform(body);
            platform.Run(program);
            EXPECT_TRUE(platform.messageBoxes.shown.empty()) << body;
            EXPECT_TRUE(UpdateCheckInteractive);
        }
    }
}

TEST_F(UpdateCheck, FlagIsReadWhenTheCheckDecides) {
    // The user asks for a check while an automatic one is still fetching: that check now speaks.
    CheckPlatform platform("1.19");
    platform.internet.whileFetching = [] { UpdateCheckInteractive = true; };
    platform.Run(Console);
    EXPECT_EQ(platform.messageBoxes.shown.size(), 1u);
    EXPECT_FALSE(UpdateCheckInteractive);
}

TEST_F(UpdateCheck, FirstOverlappingCheckToEndClearsTheFlagForTheOthers) {
    UpdateCheckInteractive = true;
    CheckPlatform first("1.19");
    CheckPlatform second("404:");
    // The second check runs to its end while the first one is still fetching.
    first.internet.whileFetching = [&second] { second.Run(Console); };
    first.Run(Console);

    ASSERT_EQ(second.messageBoxes.shown.size(), 1u);
    EXPECT_EQ(second.messageBoxes.shown[0].text, DownMessage);
    EXPECT_TRUE(first.messageBoxes.shown.empty());
    EXPECT_FALSE(UpdateCheckInteractive);
}

TEST_F(UpdateCheck, AskedCheckDuringAnOpenPrompt) {
    // The start-up check's prompt is open when the user asks for a check; both go their ways.
    CheckPlatform startUp("1.20");
    CheckPlatform asked("1.19");
    startUp.messageBoxes.whileShown = [&asked] {
        UpdateCheckInteractive = true;
        asked.Run(Console);
    };
    startUp.Run(Console);

    ASSERT_EQ(asked.messageBoxes.shown.size(), 1u);
    EXPECT_EQ(asked.messageBoxes.shown[0].text, UpToDateMessage);
    ASSERT_EQ(startUp.messageBoxes.shown.size(), 1u);
    EXPECT_EQ(startUp.messageBoxes.shown[0].text, Prompt("1.19", "1.20"));
    EXPECT_EQ(startUp.clock.Now(), 10000u);
    EXPECT_FALSE(UpdateCheckInteractive);
}

}  // namespace
