#include "persist/object_stream.h"

#include <array>
#include <cstring>

namespace lw::persist {

namespace {
constexpr std::array<std::string_view, 2> kRegisteredClasses = {"TPair", "TPilot"};
constexpr size_t kMaxClassName = 128;
}  // namespace

bool IsRegisteredClass(std::string_view className) {
    for (std::string_view c : kRegisteredClasses)
        if (c == className) return true;
    return false;
}

void ObjectWriter::WriteHeader() {
    Byte(kHeaderMark);
    Word(kStreamVersion);
}

void ObjectWriter::BeginObject(std::string_view className, int32_t classVersion) {
    Byte(kObjectOpen);
    Text(className);
    Word(classVersion);
}

ObjectReader::ObjectReader(std::string_view bytes) : bytes_(bytes) {
    if (bytes_.empty()) return;  // version 0, at end
    if (static_cast<uint8_t>(bytes_[0]) == kHeaderMark) {
        pos_ = 1;
        // The version itself is always 4 bytes.
        if (!Need(4)) return;
        uint32_t v = 0;
        for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<uint8_t>(bytes_[pos_ + static_cast<size_t>(i)]);
        pos_ += 4;
        version_ = static_cast<int32_t>(v);
    }
}

void ObjectReader::Fail(std::string reason) {
    if (failed_) return;
    failed_ = true;
    error_ = std::move(reason);
}

bool ObjectReader::NeedSlow(size_t n) {
    if (failed_) return false;
    if (bytes_.size() - pos_ < n) {
        truncated_ = true;
        Fail("the file ends early, at byte " + std::to_string(bytes_.size()));
        return false;
    }
    return true;
}

int32_t ObjectReader::ShortWord() {
    if (!Need(2)) return 0;
    const uint32_t v = static_cast<uint8_t>(bytes_[pos_]) | (static_cast<uint32_t>(static_cast<uint8_t>(bytes_[pos_ + 1])) << 8);
    pos_ += 2;
    return static_cast<int32_t>(v);
}

void ObjectReader::Raw(void* data, size_t size) {
    if (!Need(size)) {
        std::memset(data, 0, size);
        return;
    }
    std::memcpy(data, bytes_.data() + pos_, size);
    pos_ += size;
}

void ObjectReader::ReadTextSlow(std::string& into) {
    into.clear();
    if (failed_) return;
    const size_t at = pos_;
    int64_t length = 0;
    if (version_ > 256) {
        length = Raw4();
    } else {
        const uint8_t b = Byte();
        length = b == 255 ? -1 : b;
    }
    if (failed_ || length < 0) return;
    if (static_cast<uint64_t>(length) > bytes_.size() - pos_) {
        truncated_ = true;
        Fail("a text at byte " + std::to_string(at) + " claims " + std::to_string(length) +
             " characters, past the end of the file");
        return;
    }
    into.assign(bytes_.data() + pos_, static_cast<size_t>(length));
    pos_ += static_cast<size_t>(length);
}

int32_t ObjectReader::BeginObject(std::string_view expectedClass) {
    const size_t at = pos_;
    if (Byte() != kObjectOpen) {
        if (!failed_) Fail("no record start \"[\" at byte " + std::to_string(at));
        return 0;
    }
    const std::string name = Text();
    if (failed_) return 0;
    if (name.empty() || name.size() >= kMaxClassName) {
        Fail("a record at byte " + std::to_string(at) + " has no valid class name");
        return 0;
    }
    if (!IsRegisteredClass(name)) {
        Fail("unknown record class \"" + name + "\" at byte " + std::to_string(at));
        return 0;
    }
    if (name != expectedClass) {
        Fail("a \"" + name + "\" record at byte " + std::to_string(at) + " where a \"" + std::string(expectedClass) +
             "\" record belongs");
        return 0;
    }
    return version_ == 0 ? 0 : Word();
}

void ObjectReader::EndObject() {
    const size_t at = pos_;
    if (Byte() != kObjectClose && !failed_) Fail("no record end \"]\" at byte " + std::to_string(at));
}

}  // namespace lw::persist
