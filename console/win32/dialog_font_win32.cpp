#include "console/win32/dialog_font_win32.h"

#include <utility>
#include <vector>

#include "common/platform/win32/unique_handles_win32.h"
#include "console/win32/window_dpi_win32.h"

namespace {

struct RescaledDialog {
    HWND dialog = nullptr;
    // The DPI the dialog manager made the dialog's font at, and the one the controls' font is at.
    UINT createdDpi = 0;
    UINT dpi = 0;
    UniqueFont font;
    DialogBaseUnits base;
};

// Every rescaled dialog of the process; the dialogs live on the interface thread.
std::vector<RescaledDialog>& Rescaled() {
    static std::vector<RescaledDialog> dialogs;
    return dialogs;
}

RescaledDialog* Find(HWND dialog) {
    for (RescaledDialog& entry : Rescaled()) {
        if (entry.dialog == dialog) {
            return &entry;
        }
    }
    return nullptr;
}

// The base units as the dialog manager measures them: the average width of the 52 letters,
// rounded, and the font's height.
DialogBaseUnits MeasuredBaseUnits(HWND dialog, HFONT font) {
    static const char Letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    const HDC dc = GetDC(dialog);
    const HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SIZE extent{};
    GetTextExtentPoint32A(dc, Letters, sizeof Letters - 1, &extent);
    SelectObject(dc, previous);
    ReleaseDC(dialog, dc);
    return DialogBaseUnits{(extent.cx / 26 + 1) / 2, metrics.tmHeight};
}

BOOL CALLBACK SetControlFont(HWND control, LPARAM font) {
    SendMessageA(control, WM_SETFONT, static_cast<WPARAM>(font), FALSE);
    return TRUE;
}

// The DPI the dialog's font was created at: the window's, as the dialog was created.
UINT CreatedDpi(HWND dialog) {
    const RescaledDialog* entry = Find(dialog);
    return entry != nullptr ? entry->createdDpi : WindowDpi(dialog);
}

// The dialog's font, as created from its template, made at another DPI.
UniqueFont FontAtDpi(HWND dialog, UINT dpi) {
    const auto created = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
    LOGFONTA look{};
    if (created == nullptr || GetObjectA(created, sizeof look, &look) == 0) {
        return UniqueFont();
    }
    // The template's point size at the new DPI, as the dialog manager makes it.
    const int points = MulDiv(look.lfHeight < 0 ? -look.lfHeight : look.lfHeight, 72,
                              static_cast<int>(CreatedDpi(dialog)));
    look.lfHeight = -MulDiv(points, static_cast<int>(dpi), 72);
    return UniqueFont(CreateFontIndirectA(&look));
}

}  // namespace

UINT DialogDpi(HWND dialog) {
    if (const RescaledDialog* entry = Find(dialog)) {
        return entry->dpi;
    }
    return WindowDpi(dialog);
}

void NoteDialogCreated(HWND dialog) {
    if (Find(dialog) == nullptr) {
        const UINT dpi = WindowDpi(dialog);
        Rescaled().push_back(RescaledDialog{dialog, dpi, dpi, UniqueFont(), DialogBaseUnits{}});
    }
}

void RescaleDialogFont(HWND dialog, UINT dpi) {
    UniqueFont font = FontAtDpi(dialog, dpi);
    if (font.get() == nullptr) {
        return;
    }
    EnumChildWindows(dialog, SetControlFont, reinterpret_cast<LPARAM>(font.get()));
    NoteDialogCreated(dialog);
    RescaledDialog* entry = Find(dialog);
    entry->dpi = dpi;
    entry->base = MeasuredBaseUnits(dialog, font.get());
    // The controls draw with the new font now; the one they had before goes.
    entry->font = std::move(font);
}

DialogBaseUnits BaseUnitsAtDpi(HWND dialog, UINT dpi) {
    const UniqueFont font = FontAtDpi(dialog, dpi);
    return font.get() != nullptr ? MeasuredBaseUnits(dialog, font.get()) : DialogBaseUnits{};
}

void ReleaseDialogFont(HWND dialog) {
    std::erase_if(Rescaled(),
                  [dialog](const RescaledDialog& entry) { return entry.dialog == dialog; });
}

bool RescaledBaseUnits(HWND dialog, DialogBaseUnits& base) {
    if (const RescaledDialog* entry = Find(dialog); entry != nullptr && entry->font) {
        base = entry->base;
        return true;
    }
    return false;
}
