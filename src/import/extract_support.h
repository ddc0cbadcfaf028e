#pragma once
// What the CrewTrac extract loaders share: reading lines, employee numbers, warning lists.
//
// Line-by-line reading of the extracts. An extract comes from outside and may be
// anything: each line keeps only its first characters (the columns a loader reads) while its
// full length is still counted, so a line of any length costs no more memory than a normal one.
#include <cstddef>
#include <cstdio>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace lw::import {

class ExtractLineReader {
public:
    // keep: how many leading characters of each line are kept.
    explicit ExtractLineReader(size_t keep);
    ~ExtractLineReader();
    ExtractLineReader(const ExtractLineReader&) = delete;
    ExtractLineReader& operator=(const ExtractLineReader&) = delete;

    // False when the file cannot be opened.
    bool Open(const std::filesystem::path& file);

    enum class Result { Line, End, Error };
    // The next line without its line feed (and the carriage return before it, as a file read
    // in text mode gives it): its first `keep` characters in text, its full length in length.
    // End at the end of the file; Error when the system fails to read it.
    Result Next(std::string& text, size_t& length);

    // Back to the first line. False when the file cannot be read again.
    bool Rewind();

private:
    bool Fill();

    size_t keep_;
    std::FILE* file_ = nullptr;
    std::vector<char> buffer_;
    size_t pos_ = 0, end_ = 0;
    bool failed_ = false;
};

// The employee number of columns 0-8: digits, blanks allowed around them, 1..999999999.
// nullopt for anything else, so a damaged line never lands on the open-time line (0) or the
// captain-pairings line (-1).
std::optional<int32_t> ExtractEmployeeNumber(std::string_view line);

// Text of the extract fit for names and codes: control characters become blanks.
std::string PrintableText(std::string_view text);

// The warnings of a load for the "Summary" list: one line per warning, each said once, and at
// most limit lines so that a damaged file cannot bury the planner (the rest are counted).
class WarningList {
public:
    static constexpr size_t kDefaultLimit = 1000;
    explicit WarningList(size_t limit = kDefaultLimit) : limit_(limit) {}

    void Add(std::string text);
    bool Empty() const { return lines_.empty(); }
    // The lines, then "%d further Warnings not Shown" when some were left out.
    std::vector<std::string> Lines() const;

private:
    size_t limit_;
    std::vector<std::string> lines_;
    std::unordered_set<std::string> said_;
    size_t leftOut_ = 0;
};

}  // namespace lw::import
