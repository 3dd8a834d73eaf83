// The running Console in the language of the test run (tests/support/in-languages): its main
// window, a message box and the help file it opens are that language's, as the program file holds
// them.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "common/platform/win32/ansi_text_win32.h"
#include "common/resources/text_ids.h"
#include "console/console_ids.h"
#include "console/console_test_fixture.h"
#include "console/running_console.h"
#include "support/ui/dialog_template.h"
#include "support/ui/program_language.h"
#include "support/ui/ui_helper.h"

namespace {

constexpr WORD English = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

const std::string& AddText(const ui::DialogTemplate& dialog) {
    for (const ui::DialogControl& control : dialog.controls) {
        if (control.id == IDC_ADD) {
            return control.text;
        }
    }
    static const std::string none;
    return none;
}

// The title of the language's help project ("Title=" of help/<ll>/lumivo.hhp, English in help/).
std::wstring HelpTitle(WORD language) {
    const char* source = std::getenv("LUMIVO_SOURCE_DIR");
    std::string folder = std::string(source != nullptr ? source : ".") + "/help/";
    const char* code = std::getenv("LUMIVO_TEST_LANGUAGE");
    if (!ui::IsEnglish(language) && code != nullptr) {
        folder += std::string(code) + "/";
    }
    std::ifstream project(ui::WindowsPathOf(folder + "lumivo.hhp"));
    for (std::string line; std::getline(project, line);) {
        if (line.rfind("Title=", 0) == 0) {
            return Utf8ToWide(line.substr(6));
        }
    }
    return {};
}

// The help file's window: HTML Help names it after the file's title.
HWND WaitForHelpWindow(DWORD processId) {
    HWND help = nullptr;
    ui::WaitUntil([&] {
        help = ui::FindTopLevelWindow(processId, "HH Parent");
        return help != nullptr;
    });
    return help;
}

using ConsoleLanguageTest = ConsoleTest;

TEST_F(ConsoleLanguageTest, WindowMessageBoxAndHelpAreInTheUsersLanguage) {
    const WORD language = ui::TestLanguage();
    const ui::ProgramResources texts(ConsoleProgram(), language);
    RunningConsole console;
    ASSERT_NE(console.Window(), nullptr);

    const auto shown = ui::ReadDialogTemplate(texts.Module(), IDD_MAIN_WINDOW, language);
    const auto english = ui::ReadDialogTemplate(texts.Module(), IDD_MAIN_WINDOW, English);
    ASSERT_TRUE(shown && english);
    for (const ui::DialogControl& control : shown->controls) {
        // The label of the default printer and the list show what the program puts there.
        if (!control.text.empty() && control.id != IDC_DEFAULT_PRINTER &&
            control.id != IDC_MAPPING_LIST) {
            EXPECT_EQ(ui::ControlText(console.Control(control.id)), control.text) << control.id;
        }
    }
    if (!ui::IsEnglish(language)) {
        EXPECT_NE(AddText(*shown), AddText(*english)) << "the same as English";
    }

    console.PostClick(IDC_LUMIVO_MANAGES);
    const HWND box = console.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(ui::MessageBoxWideText(box), texts.Text(IDS_SELECTION_LOG_ON_LUMIVO));
    ui::PressButton(box, IDOK);

    console.PostCommand(IDM_CONTENTS);
    const HWND help = WaitForHelpWindow(console.ProcessId());
    ASSERT_NE(help, nullptr) << "no help window";
    EXPECT_EQ(ui::WindowWideText(help), HelpTitle(language));
    PostMessageA(help, WM_CLOSE, 0, 0);
}

}  // namespace
