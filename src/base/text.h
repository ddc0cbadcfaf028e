#pragma once
// Reading the outside systems' text files: a size-bounded read, their lines one by one, and
// printf-style message text.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lw::base {

enum class BoundedRead {
    Ok,
    TooLarge,    // the file holds more than the limit; the text holds its first limit bytes
    CannotOpen,  // missing, a folder, or unreadable
};

// Reads at most limit bytes of a file. Safe on devices and pipes that never end.
BoundedRead ReadFileUpTo(const std::filesystem::path& file, size_t limit, std::string& text);

// Hands out a text's lines one by one. A line feed ends a line; a carriage return before it is
// dropped, so files written with CR LF line ends read the same.
class TextLineCursor {
public:
    explicit TextLineCursor(std::string_view text) : text_(text) {}
    std::optional<std::string_view> Next();

private:
    std::string_view text_;
    size_t pos_ = 0;
};

// The lines of an errors list, at most limit of them, so that a damaged file cannot bury the
// planner; the others are counted in a last line "%zu further Errors not Shown".
class ErrorLines {
public:
    static constexpr size_t kDefaultLimit = 1000;
    explicit ErrorLines(size_t limit = kDefaultLimit) : limit_(limit) {}
    void Add(std::string line);
    bool Empty() const { return lines_.empty(); }
    std::vector<std::string> Lines() const;

private:
    size_t limit_;
    std::vector<std::string> lines_;
    size_t leftOut_ = 0;
};

// The text without blanks at either end.
std::string_view TrimSpaces(std::string_view text);

// printf into a string of whatever length the arguments need.
[[gnu::format(printf, 1, 2)]] std::string PrintfString(const char* format, ...);

}  // namespace lw::base
