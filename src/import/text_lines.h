#pragma once
// Reading an outside system's text file one line at a time, in fixed memory, whatever the file
// holds: any size, no line ends at all, binary junk.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/interaction.h"

namespace lw::base { class LogSink; }

namespace lw::import {

class TextFileLines {
public:
    // The outside systems' lines fit a 999-character buffer. A longer line is cut to its first
    // kMaxLine characters and the rest of it is skipped, so the tail of an overlong line is
    // never taken for a record of its own.
    static constexpr size_t kMaxLine = 998;

    explicit TextFileLines(const std::filesystem::path& file);
    ~TextFileLines();
    TextFileLines(const TextFileLines&) = delete;
    TextFileLines& operator=(const TextFileLines&) = delete;

    // False when the file cannot be opened for reading (missing, no permission, a folder).
    bool IsOpen() const { return file_ != nullptr; }

    // The next line without its line end ("\n" or "\r\n"), valid until the next call.
    // nullopt at the end of the file or after a read error.
    std::optional<std::string_view> Next();

    // A read error ended the lines early.
    bool Failed() const { return failed_; }
    // Bytes consumed so far and the file's size when opened, for progress.
    uint64_t BytesRead() const { return consumed_; }
    uint64_t Size() const { return size_; }
    // 0..100 from the bytes consumed.
    int Percent() const;

private:
    bool Refill();

    std::FILE* file_ = nullptr;
    std::vector<char> buffer_;
    size_t pos_ = 0;
    size_t end_ = 0;
    bool eof_ = false;
    bool failed_ = false;
    uint64_t consumed_ = 0;
    uint64_t size_ = 0;
    std::string joined_;  // a line that runs across two buffer fills, at most kMaxLine + 1 characters
};

// GetInt of a fixed-column field, quicker for the usual field of digits behind blanks; the
// same value and the same run-log line for everything else.
int32_t ColumnInt(std::string_view line, int pos, int len, base::LogSink* log = nullptr);

// A loader's progress window that moves from 0 to 100 percent and is told only of changes,
// so a file of many lines costs at most a hundred repaints.
class PercentProgress {
public:
    PercentProgress(platform::Interaction& ui, std::string_view title);
    ~PercentProgress();
    PercentProgress(const PercentProgress&) = delete;
    PercentProgress& operator=(const PercentProgress&) = delete;

    // Shows "Completed %d of %d" when the percentage moved; false when the user asks to stop.
    bool Report(int percent);

private:
    platform::Interaction& ui_;
    int shown_ = -1;
    bool keepGoing_ = true;
};

}  // namespace lw::import
