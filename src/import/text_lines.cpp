#include "import/text_lines.h"

#include <algorithm>
#include <cstring>
#include <system_error>

#include "base/time_text.h"

namespace lw::import {

namespace {
constexpr size_t kBufferSize = 1 << 18;
}

TextFileLines::TextFileLines(const std::filesystem::path& file) {
    std::error_code ec;
    // A folder, FIFO or device is no input file: it could block or never end.
    if (!std::filesystem::is_regular_file(file, ec)) return;
    file_ = std::fopen(file.c_str(), "rb");
    if (!file_) return;
    const auto size = std::filesystem::file_size(file, ec);
    size_ = ec ? 0 : static_cast<uint64_t>(size);
    buffer_.resize(kBufferSize);
    joined_.reserve(kMaxLine + 1);
}

TextFileLines::~TextFileLines() {
    if (file_) std::fclose(file_);
}

int TextFileLines::Percent() const {
    if (size_ == 0) return 100;
    return static_cast<int>(std::min<uint64_t>(100, consumed_ * 100 / size_));
}

bool TextFileLines::Refill() {
    if (eof_) return false;
    const size_t n = std::fread(buffer_.data(), 1, buffer_.size(), file_);
    pos_ = 0;
    end_ = n;
    if (n == 0) {
        if (std::ferror(file_)) failed_ = true;
        eof_ = true;
        return false;
    }
    return true;
}

std::optional<std::string_view> TextFileLines::Next() {
    if (!file_ || failed_) return std::nullopt;
    joined_.clear();
    bool spanning = false;
    uint64_t length = 0;  // the whole line's length, however much of it is kept
    char last = '\0';
    for (;;) {
        if (pos_ == end_ && !Refill()) {
            if (failed_ || !spanning) return std::nullopt;
            break;  // the last line has no line end
        }
        const char* start = buffer_.data() + pos_;
        const size_t avail = end_ - pos_;
        const char* nl = static_cast<const char*>(std::memchr(start, '\n', avail));
        const size_t take = nl ? static_cast<size_t>(nl - start) : avail;
        if (!spanning && nl) {
            // The usual case: the whole line lies in the buffer and is handed out in place.
            pos_ += take + 1;
            consumed_ += take + 1;
            std::string_view line(start, take);
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            if (line.size() > kMaxLine) line = line.substr(0, kMaxLine);
            return line;
        }
        spanning = true;
        if (take > 0) {
            const size_t room = joined_.size() < kMaxLine + 1 ? kMaxLine + 1 - joined_.size() : 0;
            joined_.append(start, std::min(take, room));
            last = start[take - 1];
            length += take;
        }
        pos_ += take;
        consumed_ += take;
        if (nl) {
            ++pos_;
            ++consumed_;
            break;
        }
    }
    uint64_t logical = length;
    if (logical > 0 && last == '\r') --logical;
    std::string_view line(joined_);
    return line.substr(0, static_cast<size_t>(std::min<uint64_t>(logical, std::min(line.size(), kMaxLine))));
}

int32_t ColumnInt(std::string_view line, int pos, int len, base::LogSink* log) {
    if (pos >= 0 && len > 0 && len <= 9 && line.size() >= static_cast<size_t>(pos) + static_cast<size_t>(len)) {
        const char* p = line.data() + pos;
        const char* end = p + len;
        while (p < end && *p == ' ') ++p;
        if (p < end && *p >= '0' && *p <= '9') {
            int32_t value = 0;
            for (; p < end && *p >= '0' && *p <= '9'; ++p) value = value * 10 + (*p - '0');
            // Nine digits at most cannot overflow; whatever follows the digits ends the number.
            return value;
        }
    }
    return base::GetInt(line, pos, len, log);
}

PercentProgress::PercentProgress(platform::Interaction& ui, std::string_view title) : ui_(ui) {
    ui_.BeginProgress(title, 100);
}

PercentProgress::~PercentProgress() { ui_.EndProgress(); }

bool PercentProgress::Report(int percent) {
    percent = std::clamp(percent, 0, 100);
    if (percent == shown_) return keepGoing_;
    shown_ = percent;
    keepGoing_ = ui_.Progress(percent, "Completed " + std::to_string(percent) + " of 100");
    return keepGoing_;
}

}  // namespace lw::import
