#include "common/settings/registry_access.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <utility>

#include "common/settings/decimal_text.h"
#include "common/text/text_helpers.h"

namespace {

// Paths and value names pass through fixed buffers: 255 characters when reading, testing or
// creating, 254 when writing a value or deleting a key.
constexpr std::size_t ReadNameLimit = 255;
constexpr std::size_t WriteNameLimit = 254;

// Text values pass through a zero-terminated buffer of this many bytes.
constexpr std::uint32_t TextBufferSize = 2047;

// A value's name has at most 16383 characters.
constexpr std::uint32_t ValueNameRoom = 16384;

std::string Cut(const std::string& text, std::size_t limit) {
    return text.substr(0, limit);
}

// The opened key, or an empty owner when the open failed with the status given.
RegistryKey OpenKey(Registry& registry, const RegistryPath& path, std::size_t nameLimit,
                    std::uint32_t access, RegistryStatus& status) {
    RegistryHandle handle = 0;
    status = registry.OpenKey(path.root, Cut(path.subKey, nameLimit), access, handle);
    return status == ErrorSuccess ? OwnedKey(registry, handle) : RegistryKey();
}

RegistryKey OpenKey(Registry& registry, const RegistryPath& path, std::size_t nameLimit,
                    std::uint32_t access) {
    RegistryStatus ignored = ErrorSuccess;
    return OpenKey(registry, path, nameLimit, access, ignored);
}

}  // namespace

RootKey RootKeyFromName(const std::string& rootName) {
    static const std::array<std::pair<const char*, RootKey>, 7> Roots = {{
        {"HKEY_CLASSES_ROOT", RootKey::ClassesRoot},
        {"HKEY_CURRENT_USER", RootKey::CurrentUser},
        {"HKEY_LOCAL_MACHINE", RootKey::LocalMachine},
        {"HKEY_USERS", RootKey::Users},
        {"HKEY_PERFORMANCE_DATA", RootKey::PerformanceData},
        {"HKEY_CURRENT_CONFIG", RootKey::CurrentConfig},
        {"HKEY_DYN_DATA", RootKey::DynData},
    }};
    for (const auto& [name, root] : Roots) {
        if (rootName == name) {
            return root;
        }
    }
    return RootKey::None;
}

std::optional<RegistryPath> SplitRegistryPath(const std::string& path) {
    if (path.rfind("HKEY_", 0) != 0 || path.back() == '\\') {
        return std::nullopt;
    }
    RegistryPath split;
    const std::size_t backslash = path.find('\\');
    if (backslash == std::string::npos) {
        split.root = RootKeyFromName(path);
    } else {
        split.root = RootKeyFromName(path.substr(0, backslash));
        split.subKey = path.substr(backslash + 1);
    }
    if (split.root == RootKey::None) {
        return std::nullopt;
    }
    return split;
}

bool RegistryKeyExists(Registry& registry, const std::string& path) {
    const auto split = SplitRegistryPath(path);
    return split && OpenKey(registry, *split, ReadNameLimit, KeyRead);
}

bool CreateRegistryKey(Registry& registry, const std::string& path) {
    const auto split = SplitRegistryPath(path);
    if (!split) {
        return false;
    }
    RegistryHandle handle = 0;
    if (registry.CreateKey(split->root, Cut(split->subKey, ReadNameLimit), handle) !=
        ErrorSuccess) {
        return false;
    }
    const RegistryKey created =
        OwnedKey(registry, handle);  // closed on return: only its existence counts
    return true;
}

void DeleteRegistryKey(Registry& registry, const std::string& path) {
    const auto split = SplitRegistryPath(path);
    if (!split) {
        return;
    }
    // Opening the key for writing tells whether it is there to delete; it stays open until the
    // delete is done.
    const RegistryKey key = OpenKey(registry, *split, WriteNameLimit, KeyWrite);
    if (key) {
        registry.DeleteKey(split->root, Cut(split->subKey, WriteNameLimit));
    }
}

namespace {

// A value as the registry gave it: its type and at most TextBufferSize bytes of data.
struct StoredValue {
    std::uint32_t type = 0;
    std::array<std::uint8_t, TextBufferSize> data{};
    std::uint32_t size = TextBufferSize;

    // The data up to its first NUL, without leading and trailing spaces.
    std::string Text() const {
        const auto* bytes = reinterpret_cast<const char*>(data.data());
        return TrimSpaces(std::string(bytes, strnlen(bytes, data.size())));
    }
};

// Nothing on any failure, a value longer than TextBufferSize included.
std::optional<StoredValue> QueryStoredValue(Registry& registry, const std::string& path,
                                            const std::string& valueName) {
    const auto split = SplitRegistryPath(path);
    if (!split) {
        return std::nullopt;
    }
    const RegistryKey key = OpenKey(registry, *split, ReadNameLimit, KeyRead);
    if (!key) {
        return std::nullopt;
    }
    StoredValue value;
    if (registry.QueryValue(key.get(), Cut(valueName, ReadNameLimit), &value.type,
                            value.data.data(), &value.size) != ErrorSuccess) {
        return std::nullopt;
    }
    return value;
}

bool IsTextType(std::uint32_t type) {
    return type == RegSz || type == RegExpandSz;
}

// A REG_DWORD or REG_QWORD, little-endian, capped at the 32-bit range.
std::int32_t NumberOf(const StoredValue& value) {
    std::uint64_t number = 0;
    for (std::uint32_t i = value.size; i-- > 0;) {
        number = (number << 8) | value.data[i];
    }
    return static_cast<std::int32_t>(
        std::min<std::uint64_t>(number, std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

std::string ReadRegistryText(Registry& registry, const std::string& path,
                             const std::string& valueName) {
    const auto value = QueryStoredValue(registry, path, valueName);
    return value ? value->Text() : std::string();
}

std::optional<std::string> ReadRegistryStoredText(Registry& registry, const std::string& path,
                                                  const std::string& valueName) {
    const auto value = QueryStoredValue(registry, path, valueName);
    if (!value || !IsTextType(value->type)) {
        return std::nullopt;
    }
    return value->Text();
}

std::vector<RegistryValueListing> ReadRegistryValues(Registry& registry, const std::string& path) {
    std::vector<RegistryValueListing> values;
    const auto split = SplitRegistryPath(path);
    if (!split) {
        return values;
    }
    const RegistryKey key = OpenKey(registry, *split, ReadNameLimit, KeyRead);
    if (!key) {
        return values;
    }
    std::vector<char> name(ValueNameRoom);
    for (std::uint32_t index = 0;; ++index) {
        StoredValue value;
        std::uint32_t nameSize = ValueNameRoom;
        RegistryStatus status = registry.EnumValue(key.get(), index, name.data(), &nameSize,
                                                   &value.type, value.data.data(), &value.size);
        // Only the data can be too long, as the name has the room of the longest; the name and
        // type are asked for again without it.
        const bool dataFits = status == ErrorSuccess;
        if (status == ErrorMoreData) {
            nameSize = ValueNameRoom;
            status = registry.EnumValue(key.get(), index, name.data(), &nameSize, &value.type,
                                        nullptr, nullptr);
        }
        if (status != ErrorSuccess) {
            return values;
        }
        values.push_back(
            {std::string(name.data(), nameSize), value.type,
             dataFits && IsTextType(value.type) ? std::optional(value.Text()) : std::nullopt});
    }
}

std::optional<std::int32_t> ReadRegistryNumber(Registry& registry, const std::string& path,
                                               const std::string& valueName) {
    const auto value = QueryStoredValue(registry, path, valueName);
    if (!value) {
        return std::nullopt;
    }
    if (IsTextType(value->type)) {
        return LeadingDecimalNumber(value->Text());
    }
    if ((value->type == RegDword && value->size == 4) ||
        (value->type == RegQword && value->size == 8)) {
        return NumberOf(*value);
    }
    return std::nullopt;
}

namespace {

// The key of the path opened for writing; a missing key is created once. An empty owner when the
// path is not a path or the key cannot be opened.
RegistryKey OpenKeyToWrite(Registry& registry, const std::string& path) {
    const auto split = SplitRegistryPath(path);
    if (!split) {
        return RegistryKey();
    }
    RegistryStatus status = ErrorSuccess;
    RegistryKey key = OpenKey(registry, *split, WriteNameLimit, KeyWrite, status);
    if (!key && (status == ErrorFileNotFound || status == ErrorBadKey)) {
        CreateRegistryKey(registry, path);
        key = OpenKey(registry, *split, WriteNameLimit, KeyWrite);
    }
    return key;
}

}  // namespace

void WriteRegistryText(Registry& registry, const std::string& path, const std::string& valueName,
                       const std::string& text) {
    const RegistryKey key = OpenKeyToWrite(registry, path);
    if (!key) {
        return;
    }
    const std::string stored = Cut(text.c_str(), TextBufferSize - 1);
    registry.SetValue(key.get(), Cut(valueName, WriteNameLimit), RegSz,
                      reinterpret_cast<const std::uint8_t*>(stored.c_str()),
                      static_cast<std::uint32_t>(stored.size() + 1));
}

void ReadRegistryDword(Registry& registry, const std::string& path, const std::string& valueName,
                       std::uint32_t& value) {
    const auto split = SplitRegistryPath(path);
    if (!split) {
        return;
    }
    const RegistryKey key = OpenKey(registry, *split, ReadNameLimit, KeyRead);
    if (!key) {
        return;
    }
    // The data lands in value's bytes as they are; a shorter value changes only its low bytes.
    std::array<std::uint8_t, 4> bytes{};
    std::memcpy(bytes.data(), &value, bytes.size());
    std::uint32_t size = bytes.size();
    if (registry.QueryValue(key.get(), Cut(valueName, ReadNameLimit), nullptr, bytes.data(),
                            &size) == ErrorSuccess) {
        std::memcpy(&value, bytes.data(), bytes.size());
    }
}

void WriteRegistryDword(Registry& registry, const std::string& path, const std::string& valueName,
                        std::uint32_t value) {
    const auto split = SplitRegistryPath(path);
    if (!split) {
        return;
    }
    const RegistryKey key = OpenKey(registry, *split, WriteNameLimit, KeyWrite);
    if (!key) {
        return;
    }
    const std::array<std::uint8_t, 4> bytes = {
        static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
        static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
    registry.SetValue(key.get(), Cut(valueName, WriteNameLimit), RegDword, bytes.data(),
                      static_cast<std::uint32_t>(bytes.size()));
}

bool WriteRegistryLines(Registry& registry, const std::string& path, const std::string& valueName,
                        const std::vector<std::string>& lines, std::uint32_t maxSize) {
    const RegistryKey key = OpenKeyToWrite(registry, path);
    if (!key) {
        return false;
    }
    std::string stored;
    for (const std::string& line : lines) {
        const std::string text = line.c_str();
        if (text.empty()) {
            continue;
        }
        // Room for this line's NUL and the one that ends the list.
        if (stored.size() + text.size() + 2 > maxSize) {
            break;
        }
        stored += text;
        stored += '\0';
    }
    stored += '\0';
    return registry.SetValue(key.get(), Cut(valueName, WriteNameLimit), RegMultiSz,
                             reinterpret_cast<const std::uint8_t*>(stored.data()),
                             static_cast<std::uint32_t>(stored.size())) == ErrorSuccess;
}

std::vector<std::string> ReadRegistryLines(Registry& registry, const std::string& path,
                                           const std::string& valueName, std::uint32_t maxSize) {
    std::vector<std::string> lines;
    const auto split = SplitRegistryPath(path);
    if (!split) {
        return lines;
    }
    const RegistryKey key = OpenKey(registry, *split, ReadNameLimit, KeyRead);
    if (!key) {
        return lines;
    }
    // The ANSI call may ask for room for the text's UTF-16 form, so the buffer takes the size
    // that it names; what it gives must still fit the limit.
    const std::string name = Cut(valueName, ReadNameLimit);
    std::uint32_t size = 0;
    if (registry.QueryValue(key.get(), name, nullptr, nullptr, &size) != ErrorSuccess) {
        return lines;
    }
    std::vector<std::uint8_t> buffer(size);
    if (registry.QueryValue(key.get(), name, nullptr, buffer.data(), &size) != ErrorSuccess ||
        size > maxSize) {
        return lines;
    }
    const std::string data(reinterpret_cast<const char*>(buffer.data()), size);
    std::string::size_type start = 0;
    while (start < data.size()) {
        const std::string::size_type end = std::min(data.find('\0', start), data.size());
        if (end > start) {
            lines.push_back(data.substr(start, end - start));
        }
        start = end + 1;
    }
    return lines;
}

namespace {

constexpr char LineMark = '=';

}  // namespace

bool WriteRegistryMarkedLines(Registry& registry, const std::string& path,
                              const std::string& valueName, const std::vector<std::string>& lines,
                              std::uint32_t maxSize) {
    std::vector<std::string> marked;
    for (const std::string& line : lines) {
        marked.push_back(LineMark + line);
    }
    return WriteRegistryLines(registry, path, valueName, marked, maxSize);
}

std::optional<std::vector<std::string>> ReadRegistryMarkedLines(Registry& registry,
                                                                const std::string& path,
                                                                const std::string& valueName,
                                                                std::uint32_t maxSize) {
    std::vector<std::string> lines = ReadRegistryLines(registry, path, valueName, maxSize);
    for (std::string& line : lines) {
        if (line.front() != LineMark) {
            return std::nullopt;
        }
        line.erase(0, 1);
    }
    return lines;
}
