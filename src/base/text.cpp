#include "base/text.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <fstream>
#include <system_error>
#include <utility>

namespace lw::base {

BoundedRead ReadFileUpTo(const std::filesystem::path& file, size_t limit, std::string& text) {
    text.clear();
    std::error_code ec;
    // A folder, FIFO or device is no input file: it could block or never end.
    if (!std::filesystem::is_regular_file(file, ec)) return BoundedRead::CannotOpen;
    std::ifstream in(file, std::ios::binary);
    if (!in) return BoundedRead::CannotOpen;
    // One byte past the limit tells a file that is too large from one that just fits.
    constexpr size_t kChunk = 1 << 16;
    std::string chunk(kChunk, '\0');
    while (text.size() <= limit) {
        const size_t want = std::min(kChunk, limit + 1 - text.size());
        in.read(chunk.data(), static_cast<std::streamsize>(want));
        const std::streamsize got = in.gcount();
        if (got > 0) text.append(chunk.data(), static_cast<size_t>(got));
        if (in.bad()) {
            text.clear();
            return BoundedRead::CannotOpen;
        }
        if (!in) break;  // end of file
    }
    if (text.size() > limit) {
        text.resize(limit);
        return BoundedRead::TooLarge;
    }
    return BoundedRead::Ok;
}

std::optional<std::string_view> TextLineCursor::Next() {
    if (pos_ >= text_.size()) return std::nullopt;
    const size_t end = std::min(text_.find('\n', pos_), text_.size());
    std::string_view line = text_.substr(pos_, end - pos_);
    pos_ = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

void ErrorLines::Add(std::string line) {
    if (lines_.size() < limit_)
        lines_.push_back(std::move(line));
    else
        ++leftOut_;
}

std::vector<std::string> ErrorLines::Lines() const {
    std::vector<std::string> out = lines_;
    if (leftOut_ > 0) out.push_back(PrintfString("%zu further Errors not Shown", leftOut_));
    return out;
}

std::string_view TrimSpaces(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string PrintfString(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int length = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    std::string out;
    if (length > 0) {
        out.resize(static_cast<size_t>(length) + 1);
        std::vsnprintf(out.data(), out.size(), format, again);
        out.resize(static_cast<size_t>(length));
    }
    va_end(again);
    return out;
}

}  // namespace lw::base
