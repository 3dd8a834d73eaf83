// The resources compiled into LMVTray.exe, read from the program file.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <vector>

#include "common/platform/win32/sized_icon_win32.h"
#include "support/ui/dialog_template.h"
#include "support/ui/test_folder.h"
#include "tray/tray_resources.h"

namespace {

using ::testing::SizeIs;

class TrayResources : public ::testing::Test {
protected:
    void SetUp() override {
        program_ = LoadLibraryExW((ui::BuildFolder() / "LMVTray.exe").c_str(), nullptr,
                                  LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(program_, nullptr);
    }
    void TearDown() override {
        if (program_ != nullptr) {
            FreeLibrary(program_);
        }
    }

    std::string MenuText(HMENU menu, UINT position) const {
        char text[256] = "";
        GetMenuStringA(menu, position, text, sizeof(text), MF_BYPOSITION);
        return text;
    }

    const BYTE* Resource(LPCSTR name, LPCSTR type, DWORD& size) const {
        HRSRC found = FindResourceA(program_, name, type);
        if (found == nullptr) {
            return nullptr;
        }
        size = SizeofResource(program_, found);
        return static_cast<const BYTE*>(LockResource(LoadResource(program_, found)));
    }

    HMODULE program_ = nullptr;
};

#pragma pack(push, 2)
struct IconGroupEntry {
    BYTE width, height, colourCount, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

// The 16-pixel image in 256 colours and one for each larger scale up to 300 %; the notification
// area gets the one of its small-icon size.
TEST_F(TrayResources, IconLmv1HasAnImageForEachScaleAndLoadsAtTheSmallIconSize) {
    DWORD size = 0;
    const BYTE* group = Resource("LMV1", MAKEINTRESOURCEA(14), size);  // RT_GROUP_ICON
    ASSERT_NE(group, nullptr);
    WORD count = 0;
    std::memcpy(&count, group + 4, sizeof(count));
    ASSERT_EQ(size, 6 + count * sizeof(IconGroupEntry));
    std::vector<int> sizes;
    for (WORD i = 0; i < count; ++i) {
        IconGroupEntry entry{};
        std::memcpy(&entry, group + 6 + i * sizeof(entry), sizeof(entry));
        EXPECT_EQ(entry.width, entry.height);
        EXPECT_EQ(entry.bitCount, entry.width == 16 ? 8 : 32) << int{entry.width};
        sizes.push_back(entry.width);
    }
    EXPECT_THAT(sizes, ::testing::ElementsAre(16, 20, 24, 32, 48));

    // The icon loader wants the program mapped as an image, not as a data file.
    const HMODULE image = LoadLibraryExA((ui::BuildFolder() / "LMVTray.exe").string().c_str(),
                                         nullptr, DONT_RESOLVE_DLL_REFERENCES);
    ASSERT_NE(image, nullptr);
    const UniqueIcon icon = LoadSizedIcon(image, "LMV1", SM_CXSMICON, SystemDpi());
    ICONINFO parts{};
    ASSERT_TRUE(GetIconInfo(icon.get(), &parts));
    BITMAP mask{};
    GetObjectA(parts.hbmMask, sizeof mask, &mask);
    DeleteObject(parts.hbmMask);
    DeleteObject(parts.hbmColor);
    FreeLibrary(image);
    EXPECT_EQ(mask.bmWidth, GetSystemMetrics(SM_CXSMICON));
}

TEST_F(TrayResources, PopupMenuHoldsExitSeparatorAndAbout) {
    HMENU menu = LoadMenuA(program_, "POPUPMENU");
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(GetMenuItemCount(menu), 1);
    EXPECT_EQ(MenuText(menu, 0), "&Tray");
    HMENU tray = GetSubMenu(menu, 0);
    ASSERT_NE(tray, nullptr);
    ASSERT_EQ(GetMenuItemCount(tray), 3);
    EXPECT_EQ(MenuText(tray, 0), "Exit Lumivo Tray");
    EXPECT_EQ(GetMenuItemID(tray, 0), static_cast<UINT>(IDM_TRAY_EXIT));
    EXPECT_EQ(GetMenuState(tray, 1, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
    EXPECT_EQ(MenuText(tray, 2), "&About");
    EXPECT_EQ(GetMenuItemID(tray, 2), static_cast<UINT>(IDM_TRAY_ABOUT));
    DestroyMenu(menu);
}

TEST_F(TrayResources, HostDialogIsATinySystemModalPopupWithTheIcon) {
    const auto host = ui::ReadDialogTemplate(program_, IDD_TRAY_HOST);
    ASSERT_TRUE(host.has_value());
    EXPECT_EQ(host->style, static_cast<DWORD>(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME |
                                              DS_SYSMODAL | DS_SETFONT));
    EXPECT_EQ(host->caption, "Select Icon");
    EXPECT_EQ(host->x, 0);
    EXPECT_EQ(host->y, 0);
    EXPECT_EQ(host->cx, 5);
    EXPECT_EQ(host->cy, 5);
    EXPECT_EQ(host->fontSize, 8);
    EXPECT_EQ(host->fontName, "MS Sans Serif");
    ASSERT_THAT(host->controls, SizeIs(1));
    const auto& icon = host->controls[0];
    EXPECT_EQ(icon.className, "Static");
    EXPECT_EQ(icon.style & SS_TYPEMASK, static_cast<DWORD>(SS_ICON));
    EXPECT_EQ(icon.text, "LMV1");
    EXPECT_EQ(icon.id, -1);
    EXPECT_EQ(std::vector<short>({icon.x, icon.y, icon.cx, icon.cy}),
              std::vector<short>({33, 12, 18, 20}));
}

TEST_F(TrayResources, AboutDialogIsCentredWithoutSystemMenu) {
    const auto about = ui::ReadDialogTemplate(program_, IDD_TRAY_ABOUT);
    ASSERT_TRUE(about.has_value());
    EXPECT_EQ(about->style, static_cast<DWORD>(WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_MODALFRAME |
                                               DS_CENTER | DS_SETFONT));
    EXPECT_EQ(about->caption, "About");
    EXPECT_EQ(about->cx, 174);
    EXPECT_EQ(about->cy, 65);
    EXPECT_EQ(about->fontSize, 8);
    EXPECT_EQ(about->fontName, "MS Sans Serif");
    ASSERT_THAT(about->controls, SizeIs(3));

    const auto& icon = about->controls[0];
    EXPECT_EQ(icon.className, "Static");
    EXPECT_EQ(icon.style & SS_TYPEMASK, static_cast<DWORD>(SS_ICON));
    EXPECT_EQ(icon.text, "LMV1");
    EXPECT_EQ(icon.id, -1);
    EXPECT_EQ(std::vector<short>({icon.x, icon.y, icon.cx, icon.cy}),
              std::vector<short>({7, 7, 18, 20}));

    const auto& text = about->controls[1];
    EXPECT_EQ(text.className, "Static");
    EXPECT_EQ(text.style & SS_TYPEMASK, static_cast<DWORD>(SS_LEFT));
    EXPECT_EQ(text.text, "Lumivo v1.15");
    EXPECT_EQ(text.id, -1);
    EXPECT_EQ(std::vector<short>({text.x, text.y, text.cx, text.cy}),
              std::vector<short>({37, 8, 128, 8}));

    const auto& ok = about->controls[2];
    EXPECT_EQ(ok.className, "Button");
    EXPECT_EQ(ok.style & BS_TYPEMASK, static_cast<DWORD>(BS_PUSHBUTTON));
    EXPECT_EQ(ok.text, "&OK");
    EXPECT_EQ(ok.id, IDOK);
    EXPECT_EQ(std::vector<short>({ok.x, ok.y, ok.cx, ok.cy}), std::vector<short>({62, 43, 58, 14}));
}

}  // namespace
