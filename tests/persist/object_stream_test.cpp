#include "persist/object_stream.h"

#include <gtest/gtest.h>

#include <string>

namespace lw::persist {
namespace {

std::string Bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values) s.push_back(static_cast<char>(v));
    return s;
}

TEST(ObjectStreamWriter, PrimitivesAreLittleEndianAndLengthPrefixed) {
    ObjectWriter w;
    w.WriteHeader();
    w.Text("ABC");
    w.Text("");
    w.Flag(true);
    w.Char('A');
    w.Word(-2);
    w.AbsentText();
    EXPECT_EQ(w.Bytes(), Bytes({0x3A, 0x01, 0x01, 0x00, 0x00,              // stream header
                                0x03, 0x00, 0x00, 0x00, 'A', 'B', 'C',     // text
                                0x00, 0x00, 0x00, 0x00,                    // empty text
                                0x01, 0x00, 0x00, 0x00,                    // yes
                                0x41,                                      // one character
                                0xFE, 0xFF, 0xFF, 0xFF,                    // -2
                                0xFF, 0xFF, 0xFF, 0xFF}));                 // absent text
}

TEST(ObjectStreamWriter, ObjectRecordCarriesNameAndVersion) {
    ObjectWriter w;
    w.BeginObject("TPair", 5);
    w.Word(7);
    w.EndObject();
    EXPECT_EQ(w.Bytes(), Bytes({0x5B, 0x05, 0, 0, 0, 'T', 'P', 'a', 'i', 'r', 0x05, 0, 0, 0, 0x07, 0, 0, 0, 0x5D}));
}

TEST(ObjectStreamReader, ReadsWhatTheWriterWrote) {
    ObjectWriter w;
    w.WriteHeader();
    w.Text("ABC");
    w.Flag(true);
    w.Word(-123456);
    w.AbsentText();
    w.BeginObject("TPilot", 3);
    w.Char(-5);
    w.EndObject();
    ObjectReader r(w.Bytes());
    EXPECT_EQ(r.StreamVersion(), 0x101);
    EXPECT_EQ(r.Text(), "ABC");
    EXPECT_TRUE(r.Flag());
    EXPECT_EQ(r.Word(), -123456);
    EXPECT_EQ(r.Text(), "");  // absent reads as empty
    EXPECT_EQ(r.BeginObject("TPilot"), 3);
    EXPECT_EQ(r.Char(), -5);
    r.EndObject();
    EXPECT_FALSE(r.Failed());
    EXPECT_TRUE(r.AtEnd());
}

TEST(ObjectStreamReader, StreamWithoutHeaderMarkIsVersionZero) {
    // Words are 2 bytes unsigned, text lengths 1 byte with 255 meaning absent.
    const std::string bytes = Bytes({0x02, 'h', 'i', 0x34, 0x12, 0xFF, 0xFF, 0xFF, 0x00});
    ObjectReader r(bytes);
    EXPECT_EQ(r.StreamVersion(), 0);
    EXPECT_EQ(r.Text(), "hi");
    EXPECT_EQ(r.Word(), 0x1234);
    EXPECT_EQ(r.Word(), 0xFFFF);
    EXPECT_EQ(r.Text(), "");   // 255: absent
    EXPECT_EQ(r.Text(), "");   // 0: empty
    EXPECT_FALSE(r.Failed());
}

TEST(ObjectStreamReader, EmptyInputIsVersionZeroAtEnd) {
    ObjectReader r("");
    EXPECT_EQ(r.StreamVersion(), 0);
    EXPECT_TRUE(r.AtEnd());
    EXPECT_EQ(r.Word(), 0);
    EXPECT_TRUE(r.Failed());
    EXPECT_TRUE(r.Truncated());
}

TEST(ObjectStreamReader, FailureIsStickyAndReadsGiveZero) {
    ObjectWriter w;
    w.WriteHeader();
    w.Word(5);
    std::string bytes = w.Bytes();
    bytes.pop_back();  // the word is cut short
    bytes += std::string(8, '\x07');
    ObjectReader r(std::string_view(bytes).substr(0, 8));
    EXPECT_EQ(r.Word(), 0);
    EXPECT_TRUE(r.Failed());
    EXPECT_EQ(r.Byte(), 0);
    EXPECT_EQ(r.Text(), "");
    EXPECT_EQ(r.Error(), "the file ends early, at byte 8");
}

TEST(ObjectStreamReader, TextLongerThanTheDataFails) {
    ObjectWriter w;
    w.WriteHeader();
    w.Word(1000);
    w.Raw("abc", 3);
    ObjectReader r(w.Bytes());
    EXPECT_EQ(r.Text(), "");
    EXPECT_TRUE(r.Failed());
    EXPECT_TRUE(r.Truncated());
    EXPECT_EQ(r.Error(), "a text at byte 5 claims 1000 characters, past the end of the file");
}

TEST(ObjectStreamReader, BadRecordsFail) {
    struct Case {
        std::string name;
        std::string bytes;
        std::string error;
    };
    auto record = [](std::string_view cls, char close) {
        ObjectWriter w;
        w.WriteHeader();
        w.BeginObject(cls, 5);
        w.Word(9);
        w.Byte(static_cast<uint8_t>(close));
        return w.TakeBytes();
    };
    ObjectWriter noOpen;
    noOpen.WriteHeader();
    noOpen.Byte('(');
    ObjectWriter longName;
    longName.WriteHeader();
    longName.BeginObject(std::string(128, 'T'), 1);
    ObjectWriter emptyName;
    emptyName.WriteHeader();
    emptyName.BeginObject("", 1);
    const Case cases[] = {
        {"missing open", noOpen.Bytes(), "no record start \"[\" at byte 5"},
        {"unknown class", record("TWindow", ']'), "unknown record class \"TWindow\" at byte 5"},
        {"other class", record("TPilot", ']'), "a \"TPilot\" record at byte 5 where a \"TPair\" record belongs"},
        {"long name", longName.Bytes(), "a record at byte 5 has no valid class name"},
        {"empty name", emptyName.Bytes(), "a record at byte 5 has no valid class name"},
    };
    for (const Case& c : cases) {
        ObjectReader r(c.bytes);
        r.BeginObject("TPair");
        EXPECT_TRUE(r.Failed()) << c.name;
        EXPECT_FALSE(r.Truncated()) << c.name;
        EXPECT_EQ(r.Error(), c.error) << c.name;
    }
}

TEST(ObjectStreamReader, MissingCloseFailsAfterTheFieldsWereRead) {
    ObjectWriter w;
    w.WriteHeader();
    w.BeginObject("TPair", 5);
    w.Word(77);
    w.Byte('}');
    ObjectReader r(w.Bytes());
    EXPECT_EQ(r.BeginObject("TPair"), 5);
    EXPECT_EQ(r.Word(), 77);
    EXPECT_FALSE(r.Failed());
    r.EndObject();
    EXPECT_TRUE(r.Failed());
    EXPECT_EQ(r.Error(), "no record end \"]\" at byte 23");
}

}  // namespace
}  // namespace lw::persist
