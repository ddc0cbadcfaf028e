#pragma once
// The byte encoding of schedule files: a short stream header, little-endian primitives and
// object records that carry a class name and version, so older layouts can still be read.
#include <cstdint>
#include <string>
#include <string_view>

namespace lw::persist {

inline constexpr uint8_t kHeaderMark = 0x3A;  // ':'
inline constexpr int32_t kStreamVersion = 0x0101;
inline constexpr uint8_t kObjectOpen = 0x5B;   // '['
inline constexpr uint8_t kObjectClose = 0x5D;  // ']'

// Writes into memory; the caller puts the bytes on disk in one safe step.
class ObjectWriter {
public:
    ObjectWriter() = default;
    // Starts with the stream header.
    void WriteHeader();

    void Byte(uint8_t value) { out_.push_back(static_cast<char>(value)); }
    void Char(int8_t value) { Byte(static_cast<uint8_t>(value)); }
    void Word(int32_t value) {
        const auto u = static_cast<uint32_t>(value);
        const char b[4] = {static_cast<char>(u & 0xFF), static_cast<char>((u >> 8) & 0xFF),
                           static_cast<char>((u >> 16) & 0xFF), static_cast<char>((u >> 24) & 0xFF)};
        out_.append(b, 4);
    }
    void Flag(bool value) { Word(value ? 1 : 0); }
    void Raw(const void* data, size_t size) { out_.append(static_cast<const char*>(data), size); }
    // A little-endian 4-byte value written as a raw block.
    void Raw4(int32_t value) { Word(value); }
    void Text(std::string_view text) {
        Word(static_cast<int32_t>(text.size()));
        out_.append(text.data(), text.size());
    }
    void AbsentText() { Word(-1); }

    // "[", class name, class version ... "]".
    void BeginObject(std::string_view className, int32_t classVersion);
    void EndObject() { Byte(kObjectClose); }

    void Reserve(size_t bytes) { out_.reserve(bytes); }
    const std::string& Bytes() const { return out_; }
    std::string TakeBytes() { return std::move(out_); }

private:
    std::string out_;
};

// Reads from memory with a sticky failure state: after the first fault every read yields
// zero or empty text, and Failed() tells the caller at the end.
class ObjectReader {
public:
    explicit ObjectReader(std::string_view bytes);

    int32_t StreamVersion() const { return version_; }

    uint8_t Byte() {
        if (!Need(1)) return 0;
        return static_cast<uint8_t>(bytes_[pos_++]);
    }
    int8_t Char() { return static_cast<int8_t>(Byte()); }
    int32_t Word() { return version_ == 0 ? ShortWord() : Raw4(); }
    bool Flag() { return Word() != 0; }
    int32_t Raw4() {
        if (!Need(4)) return 0;
        const auto* p = reinterpret_cast<const unsigned char*>(bytes_.data() + pos_);
        pos_ += 4;
        return static_cast<int32_t>(uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) |
                                    (uint32_t{p[3]} << 24));
    }
    void Raw(void* data, size_t size);
    // n words at once into out (zeros after a fault).
    void Words(int32_t* out, size_t n) {
        if (version_ != 0 && Need(4 * n)) {
            const auto* p = reinterpret_cast<const unsigned char*>(bytes_.data() + pos_);
            for (size_t i = 0; i < n; ++i, p += 4)
                out[i] = static_cast<int32_t>(uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) |
                                              (uint32_t{p[3]} << 24));
            pos_ += 4 * n;
            return;
        }
        for (size_t i = 0; i < n; ++i) out[i] = Word();
    }
    std::string Text() {
        std::string text;
        ReadText(text);
        return text;
    }
    // Reads a text straight into its destination.
    void ReadText(std::string& into) {
        if (version_ > 256 && !failed_ && bytes_.size() - pos_ >= 4) {
            const auto* p = reinterpret_cast<const unsigned char*>(bytes_.data() + pos_);
            const auto length = static_cast<int32_t>(uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) |
                                                     (uint32_t{p[3]} << 24));
            if (length >= 0 && static_cast<size_t>(length) <= bytes_.size() - pos_ - 4) {
                into.assign(bytes_.data() + pos_ + 4, static_cast<size_t>(length));
                pos_ += 4 + static_cast<size_t>(length);
                return;
            }
        }
        ReadTextSlow(into);
    }

    // Reads "[" and the class name and checks it is expectedClass, a registered class.
    // Returns the stored class version (0 in a version-0 stream).
    int32_t BeginObject(std::string_view expectedClass);
    void EndObject();

    bool Failed() const { return failed_; }
    // The fault ran past the end of the data (a cut-off file), as opposed to bad content.
    bool Truncated() const { return truncated_; }
    bool AtEnd() const { return pos_ >= bytes_.size(); }
    size_t Position() const { return pos_; }
    const std::string& Error() const { return error_; }
    // Marks the stream bad for a reason found by the caller (a count beyond a table).
    void Fail(std::string reason);

private:
    bool Need(size_t n) {
        if (!failed_ && bytes_.size() - pos_ >= n) return true;
        return NeedSlow(n);
    }
    bool NeedSlow(size_t n);
    int32_t ShortWord();
    void ReadTextSlow(std::string& into);

    std::string_view bytes_;
    size_t pos_ = 0;
    int32_t version_ = 0;
    bool failed_ = false;
    bool truncated_ = false;
    std::string error_;
};

// Record classes the schedule file may hold.
bool IsRegisteredClass(std::string_view className);

}  // namespace lw::persist
