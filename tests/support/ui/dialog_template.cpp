#include "dialog_template.h"

#include <cstring>

namespace ui {

namespace {

// Reads the template's fields in order; every field is aligned to a WORD, and every control
// to a DWORD from the start of the template.
class TemplateReader {
public:
    TemplateReader(const BYTE* start, DWORD size) : start_(start), at_(start), end_(start + size) {}

    bool Failed() const { return failed_; }

    template <typename T>
    T Read() {
        T value{};
        if (at_ + sizeof(T) > end_) {
            failed_ = true;
            return value;
        }
        std::memcpy(&value, at_, sizeof(T));
        at_ += sizeof(T);
        return value;
    }

    // A zero-terminated UTF-16 text, converted to ANSI.
    std::string Text() {
        std::wstring wide;
        for (WCHAR c = Read<WCHAR>(); c != 0 && !failed_; c = Read<WCHAR>()) {
            wide.push_back(c);
        }
        return Narrow(wide);
    }

    // A name or ordinal field: 0 for none, 0xFFFF and a number, or a text.
    std::string NameOrOrdinal() {
        const WORD first = Peek();
        if (first == 0) {
            Read<WORD>();
            return {};
        }
        if (first == 0xFFFF) {
            Read<WORD>();
            std::string ordinal = std::to_string(Read<WORD>());
            return ordinal.insert(0, 1, '#');
        }
        return Text();
    }

    void AlignToDword() {
        while ((at_ - start_) % 4 != 0) {
            ++at_;
        }
    }

    void Skip(std::size_t bytes) { at_ += bytes; }

private:
    WORD Peek() {
        WORD value = Read<WORD>();
        at_ -= sizeof(WORD);
        return value;
    }

    static std::string Narrow(const std::wstring& wide) {
        if (wide.empty()) {
            return {};
        }
        const int length = WideCharToMultiByte(
            CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
        std::string text(length, '\0');
        WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), text.data(),
                            length, nullptr, nullptr);
        return text;
    }

    const BYTE* start_;
    const BYTE* at_;
    const BYTE* end_;
    bool failed_ = false;
};

// The predefined control classes appear in templates as ordinals or as names.
std::string ControlClassName(const std::string& nameOrOrdinal) {
    static const struct {
        const char* ordinal;
        const char* name;
    } predefined[] = {{"#128", "Button"},  {"#129", "Edit"},      {"#130", "Static"},
                      {"#131", "ListBox"}, {"#132", "ScrollBar"}, {"#133", "ComboBox"}};
    for (const auto& known : predefined) {
        // Class names are case-insensitive; resource compilers write them in either case.
        if (nameOrOrdinal == known.ordinal || lstrcmpiA(nameOrOrdinal.c_str(), known.name) == 0) {
            return known.name;
        }
    }
    return nameOrOrdinal;
}

}  // namespace

std::optional<DialogTemplate> ReadDialogTemplate(HMODULE module, int id, WORD language) {
    HRSRC resource =
        FindResourceExA(module, MAKEINTRESOURCEA(5), MAKEINTRESOURCEA(id),  // RT_DIALOG
                        language);
    HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
    const auto* bytes = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    if (bytes == nullptr) {
        return std::nullopt;
    }
    TemplateReader reader(bytes, SizeofResource(module, resource));
    DialogTemplate dialog;

    const bool extended = reader.Read<WORD>() == 1 && reader.Read<WORD>() == 0xFFFF;
    if (extended) {
        reader.Read<DWORD>();  // help id
        dialog.exStyle = reader.Read<DWORD>();
        dialog.style = reader.Read<DWORD>();
    } else {
        reader = TemplateReader(bytes, SizeofResource(module, resource));
        dialog.style = reader.Read<DWORD>();
        dialog.exStyle = reader.Read<DWORD>();
    }
    const WORD count = reader.Read<WORD>();
    dialog.x = reader.Read<short>();
    dialog.y = reader.Read<short>();
    dialog.cx = reader.Read<short>();
    dialog.cy = reader.Read<short>();
    dialog.menu = reader.NameOrOrdinal();
    dialog.className = reader.NameOrOrdinal();
    dialog.caption = reader.Text();
    if (dialog.style & (DS_SETFONT | DS_SHELLFONT)) {
        dialog.fontSize = reader.Read<WORD>();
        if (extended) {
            reader.Skip(2 * sizeof(WORD));  // weight, italic and character set
        }
        dialog.fontName = reader.Text();
    }

    for (WORD i = 0; i < count && !reader.Failed(); ++i) {
        reader.AlignToDword();
        DialogControl control;
        if (extended) {
            reader.Read<DWORD>();  // help id
            control.exStyle = reader.Read<DWORD>();
            control.style = reader.Read<DWORD>();
        } else {
            control.style = reader.Read<DWORD>();
            control.exStyle = reader.Read<DWORD>();
        }
        control.x = reader.Read<short>();
        control.y = reader.Read<short>();
        control.cx = reader.Read<short>();
        control.cy = reader.Read<short>();
        control.id = extended ? static_cast<int>(reader.Read<DWORD>())
                              : static_cast<short>(reader.Read<WORD>());
        control.className = ControlClassName(reader.NameOrOrdinal());
        control.text = reader.NameOrOrdinal();
        reader.Skip(reader.Read<WORD>());  // creation data
        dialog.controls.push_back(control);
    }
    if (reader.Failed()) {
        return std::nullopt;
    }
    return dialog;
}

}  // namespace ui
