#include "import/extract_support.h"

#include <utility>

namespace lw::import {

namespace {
constexpr size_t kChunk = 64 * 1024;
}

ExtractLineReader::ExtractLineReader(size_t keep) : keep_(keep), buffer_(kChunk) {}

ExtractLineReader::~ExtractLineReader() {
    if (file_) std::fclose(file_);
}

bool ExtractLineReader::Open(const std::filesystem::path& file) {
    if (file_) std::fclose(file_);
    file_ = nullptr;
    pos_ = end_ = 0;
    // A FIFO or device would block or never end. (A folder opens, and fails at its first read.)
    std::error_code ec;
    const auto status = std::filesystem::status(file, ec);
    if (!ec && !std::filesystem::is_regular_file(status) && !std::filesystem::is_directory(status)) return false;
    file_ = std::fopen(file.c_str(), "rb");
    failed_ = false;
    return file_ != nullptr;
}

bool ExtractLineReader::Fill() {
    if (pos_ < end_) return true;
    if (!file_ || failed_) return false;
    pos_ = 0;
    end_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
    if (end_ == 0 && std::ferror(file_)) failed_ = true;
    return end_ > 0;
}

ExtractLineReader::Result ExtractLineReader::Next(std::string& text, size_t& length) {
    text.clear();
    length = 0;
    bool any = false;
    bool lastWasReturn = false;
    while (Fill()) {
        any = true;
        const char c = buffer_[pos_++];
        if (c == '\n') break;
        ++length;
        lastWasReturn = c == '\r';
        if (text.size() < keep_) text.push_back(c);
    }
    if (failed_) return Result::Error;
    if (!any) return Result::End;
    if (lastWasReturn) {
        // The kept text holds the return only when the whole line fitted.
        if (text.size() == length) text.pop_back();
        --length;
    }
    return Result::Line;
}

bool ExtractLineReader::Rewind() {
    if (!file_) return false;
    std::clearerr(file_);
    pos_ = end_ = 0;
    failed_ = false;
    return std::fseek(file_, 0, SEEK_SET) == 0;
}

std::optional<int32_t> ExtractEmployeeNumber(std::string_view line) {
    constexpr size_t kWidth = 9;
    if (line.size() < kWidth) return std::nullopt;
    const std::string_view field = line.substr(0, kWidth);
    size_t i = 0;
    while (i < kWidth && field[i] == ' ') ++i;
    int64_t value = 0;
    size_t digits = 0;
    for (; i < kWidth && field[i] >= '0' && field[i] <= '9'; ++i, ++digits) value = value * 10 + (field[i] - '0');
    while (i < kWidth && field[i] == ' ') ++i;
    if (i != kWidth || digits == 0 || value < 1) return std::nullopt;
    return static_cast<int32_t>(value);
}

std::string PrintableText(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F) c = ' ';
    }
    return out;
}

void WarningList::Add(std::string text) {
    if (said_.contains(text)) return;
    if (lines_.size() == limit_) {
        ++leftOut_;
        return;
    }
    said_.insert(text);
    lines_.push_back(std::move(text));
}

std::vector<std::string> WarningList::Lines() const {
    std::vector<std::string> out = lines_;
    if (leftOut_ > 0) out.push_back(std::to_string(leftOut_) + " further Warnings not Shown");
    return out;
}

}  // namespace lw::import
