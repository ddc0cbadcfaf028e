#include "platform/profile.h"

#include <system_error>

#include "base/time_text.h"
#include "platform/atomic_file.h"

namespace lw::platform {

namespace {

namespace fs = std::filesystem;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
    a = Trim(a);
    b = Trim(b);
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

// Where a key is in the file text, or where it would go.
struct Location {
    bool sectionFound = false;
    size_t insertAt = 0;      // just after the last non-blank line of the section (valid when sectionFound)
    bool keyFound = false;
    size_t valueBegin = 0;    // [valueBegin, valueEnd) is the value, without '\r' and '\n'
    size_t valueEnd = 0;
};

Location Locate(std::string_view text, std::string_view section, std::string_view key) {
    Location where;
    bool inSection = false;
    bool inFirstSection = false;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t lineEnd = text.find('\n', pos);
        const size_t next = lineEnd == std::string_view::npos ? text.size() : lineEnd + 1;
        if (lineEnd == std::string_view::npos) lineEnd = text.size();
        size_t contentEnd = lineEnd;
        if (contentEnd > pos && text[contentEnd - 1] == '\r') --contentEnd;
        const std::string_view line = text.substr(pos, contentEnd - pos);
        const std::string_view body = Trim(line);

        if (!body.empty() && body.front() == '[') {
            const size_t close = body.find(']');
            inSection = SameName(body.substr(1, close == std::string_view::npos ? close : close - 1), section);
            inFirstSection = inSection && !where.sectionFound;
            if (inFirstSection) {
                where.sectionFound = true;
                where.insertAt = next;
            }
        } else if (inSection && !body.empty()) {
            const size_t eq = line.find('=');
            if (body.front() != ';' && eq != std::string_view::npos && SameName(line.substr(0, eq), key)) {
                where.keyFound = true;
                where.valueBegin = pos + eq + 1;
                where.valueEnd = contentEnd;
                return where;
            }
            // New keys go after the section's last line, before any blank lines that part it from the next.
            if (inFirstSection) where.insertAt = next;
        }
        pos = next;
    }
    return where;
}

bool StorableOnOneLine(std::string_view text) { return text.find_first_of("\r\n") == std::string_view::npos; }

bool StorableNames(std::string_view section, std::string_view key) {
    section = Trim(section);
    key = Trim(key);
    return !section.empty() && !key.empty() && StorableOnOneLine(section) && StorableOnOneLine(key) &&
           section.find(']') == std::string_view::npos && key.find('=') == std::string_view::npos &&
           key.front() != '[' && key.front() != ';';
}

// text ends with a line end; true when its last line holds nothing but blanks.
bool EndsWithBlankLine(std::string_view text) {
    text.remove_suffix(1);
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    const size_t lf = text.rfind('\n');
    return Trim(lf == std::string_view::npos ? text : text.substr(lf + 1)).empty();
}

// The file's own line end, so that added lines match the lines already there.
std::string_view LineEnd(std::string_view text) {
    const size_t lf = text.find('\n');
    return lf != std::string_view::npos && lf > 0 && text[lf - 1] == '\r' ? "\r\n" : "\n";
}

std::string WithValue(std::string_view text, std::string_view section, std::string_view key, std::string_view value) {
    const Location where = Locate(text, section, key);
    std::string out(text);
    if (where.keyFound) {
        out.replace(where.valueBegin, where.valueEnd - where.valueBegin, value);
        return out;
    }
    const std::string_view eol = LineEnd(text);
    std::string line = std::string(Trim(key)) + "=" + std::string(value) + std::string(eol);
    if (where.sectionFound) {
        if (where.insertAt > 0 && out[where.insertAt - 1] != '\n') line.insert(0, eol);  // last line had no line end
        out.insert(where.insertAt, line);
        return out;
    }
    if (!out.empty()) {
        if (out.back() != '\n') out += eol;
        if (!EndsWithBlankLine(out)) out += eol;  // a blank line parts the new section from the one before
    }
    out += "[" + std::string(Trim(section)) + "]" + std::string(eol) + line;
    return out;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

Profile::Profile(fs::path file) : file_(std::move(file)) {}

fs::path Profile::DefaultPath(const EnvironmentLookup& env) {
    if (const auto ini = env("LWRIGHT_INI"); ini && !ini->empty()) return fs::path(*ini);
    const fs::path base = XdgBaseFolder(env, "XDG_CONFIG_HOME", ".config");
    if (base.empty()) return {};
    return base / "linewright" / "lwright.ini";
}

std::optional<std::string> Profile::Find(std::string_view section, std::string_view key) const {
    std::string text;
    if (!platform::ReadWholeFile(file_, text)) return std::nullopt;
    const Location where = Locate(text, section, key);
    if (!where.keyFound) return std::nullopt;
    return text.substr(where.valueBegin, where.valueEnd - where.valueBegin);
}

std::string Profile::GetString(std::string_view section, std::string_view key, std::string_view fallback) const {
    if (auto value = Find(section, key)) return *value;
    return std::string(fallback);
}

int Profile::GetInt(std::string_view section, std::string_view key, int fallback) const {
    const auto value = Find(section, key);
    if (!value || value->empty()) return fallback;
    return base::LeadingInt(*value);
}

std::optional<std::vector<uint8_t>> Profile::GetStruct(std::string_view section, std::string_view key,
                                                       size_t size) const {
    const auto value = Find(section, key);
    if (!value || value->size() != 2 * (size + 1)) return std::nullopt;
    std::vector<uint8_t> bytes;
    bytes.reserve(size + 1);
    for (size_t i = 0; i < value->size(); i += 2) {
        const int high = HexDigit((*value)[i]), low = HexDigit((*value)[i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        bytes.push_back(static_cast<uint8_t>(high * 16 + low));
    }
    const uint8_t checksum = bytes.back();
    bytes.pop_back();
    unsigned sum = 0;
    for (const uint8_t b : bytes) sum += b;
    if (static_cast<uint8_t>(sum) != checksum) return std::nullopt;
    return bytes;
}

bool Profile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    if (!StorableNames(section, key) || !StorableOnOneLine(value)) return false;
    std::error_code ec;
    // Write through a symbolic link (a managed dotfile) rather than replace the link itself.
    fs::path target = file_;
    if (fs::is_symlink(file_, ec)) {
        if (fs::path resolved = fs::canonical(file_, ec); !ec) target = std::move(resolved);
    }
    std::string text;
    if (fs::exists(fs::symlink_status(target, ec)) && !platform::ReadWholeFile(target, text))
        return false;  // never replace a file we could not read: its other settings would be lost
    const std::string updated = WithValue(text, section, key, value);
    if (target.has_parent_path()) {
        fs::create_directories(target.parent_path(), ec);
        if (ec) return false;
    }
    return platform::WriteFileAtomically(target, updated) == platform::WriteResult::Ok;
}

bool Profile::WriteInt(std::string_view section, std::string_view key, int value) {
    return WriteString(section, key, std::to_string(value));
}

bool Profile::WriteStruct(std::string_view section, std::string_view key, std::span<const uint8_t> bytes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(2 * (bytes.size() + 1));
    unsigned sum = 0;
    auto put = [&](uint8_t b) {
        text += kHex[b >> 4];
        text += kHex[b & 0x0F];
    };
    for (const uint8_t b : bytes) {
        put(b);
        sum += b;
    }
    put(static_cast<uint8_t>(sum));
    return WriteString(section, key, text);
}

}  // namespace lw::platform
