// The registry export file: parsing its value forms, refusing malformed files, and writing back
// unchanged text byte for byte.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "location/registry_document.h"
#include "location/registry_text.h"
#include "location/utf16.h"

namespace orvanta {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::string_view kKey = "HKEY_CURRENT_USER\\Software\\Other";

// A file with other programs' keys in the forms an export holds.
const std::string kSample =
    "Windows Registry Editor Version 5.00\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\Other]\r\n"
    "\"Count\"=dword:0000002a\r\n"
    "@=\"default text\"\r\n"
    "\"Quoted \\\"name\\\"\"=\"C:\\\\path \\\"x\\\"\"\r\n"
    "\"Blob\"=hex:01,02,\\\r\n"
    "  03,ff\r\n"
    "\"Multi\"=hex(7):41,00,00,00,00,00\r\n"
    "\"Empty\"=hex:\r\n"
    "; a comment\r\n"
    "\"Gone\"=-\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\Second]\r\n"
    "\"Count\"=dword:FFFFFFFF\r\n"
    "\r\n";

TEST(RegistryText, ReadsEachValueFormAsItsRawBytes) {
    const std::optional<RegistryDocument> document = ParseRegistryText(kSample);
    ASSERT_TRUE(document.has_value());
    EXPECT_EQ(document->newline, "\r\n");
    ASSERT_EQ(document->sections.size(), 2u);

    struct Row {
        const char* name;
        std::uint32_t type;
        Bytes bytes;
    };
    const std::string defaultText = Utf16ToLeBytes(u"default text") + std::string(2, '\0');
    const std::string pathText = Utf16ToLeBytes(u"C:\\path \"x\"") + std::string(2, '\0');
    const std::vector<Row> rows = {
        {"Count", kRegistryTypeDword, {0x2a, 0, 0, 0}},
        {"", kRegistryTypeString, Bytes(defaultText.begin(), defaultText.end())},
        {"Quoted \"name\"", kRegistryTypeString, Bytes(pathText.begin(), pathText.end())},
        {"blob", kRegistryTypeBinary, {1, 2, 3, 0xff}},  // names compare without case
        {"Multi", 7, {0x41, 0, 0, 0, 0, 0}},
        {"Empty", kRegistryTypeBinary, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const RegistryData* data = FindRegistryValue(*document, kKey, row.name);
        ASSERT_NE(data, nullptr);
        EXPECT_EQ(data->type, row.type);
        EXPECT_EQ(data->bytes, row.bytes);
    }
    EXPECT_EQ(FindRegistryValue(*document, kKey, "Gone"), nullptr);
    EXPECT_EQ(FindRegistryValue(*document, kKey, "Absent"), nullptr);
    const RegistryData* second =
        FindRegistryValue(*document, "hkey_current_user\\software\\SECOND", "Count");
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->bytes, (Bytes{0xff, 0xff, 0xff, 0xff}));
}

TEST(RegistryText, LastDefinitionOfAValueWinsAndADeletionHidesEarlierOnes) {
    const std::optional<RegistryDocument> document = ParseRegistryText(
        "Windows Registry Editor Version 5.00\n\n"
        "[K]\n\"A\"=dword:00000001\n\"B\"=dword:00000001\n\n"
        "[K]\n\"A\"=dword:00000002\n\"B\"=-\n");
    ASSERT_TRUE(document.has_value());
    const RegistryData* a = FindRegistryValue(*document, "K", "A");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->bytes, (Bytes{2, 0, 0, 0}));
    EXPECT_EQ(FindRegistryValue(*document, "K", "B"), nullptr);
}

TEST(RegistryText, WrappedAndUnwrappedHexGiveTheSameBytes) {
    const std::string head = "Windows Registry Editor Version 5.00\n\n[K]\n";
    const std::vector<std::string> forms = {
        "\"V\"=hex(1):44,00,65,00,00,00\n",
        "\"V\"=hex(1):44,00,\\\n  65,00,\\\n  00,00\n",
        "\"V\"=hex(1):44,00,65,\\\r\n    00,00,00\r\n",
        "\"V\"=HEX(1):44 , 00,65,00,00,00   \n",
    };
    for (const std::string& form : forms) {
        SCOPED_TRACE(form);
        const std::optional<RegistryDocument> document = ParseRegistryText(head + form);
        ASSERT_TRUE(document.has_value());
        const RegistryData* data = FindRegistryValue(*document, "K", "V");
        ASSERT_NE(data, nullptr);
        EXPECT_EQ(data->type, 1u);
        EXPECT_EQ(data->bytes, (Bytes{0x44, 0, 0x65, 0, 0, 0}));
    }
}

TEST(RegistryText, RefusesWhatIsNotARegistryExport) {
    struct Row {
        const char* name;
        std::string text;
    };
    const std::string head = "Windows Registry Editor Version 5.00\n\n[K]\n";
    const std::vector<Row> rows = {
        {"empty file", ""},
        {"other version line", "REGEDIT4\n\n[K]\n"},
        {"binary junk", std::string("\x00\x01\x02garbage", 10)},
        {"value before any key", "Windows Registry Editor Version 5.00\n\"A\"=dword:1\n"},
        {"stray text line", head + "hello\n"},
        {"unclosed header", head + "[K\n"},
        {"empty header", head + "[]\n"},
        {"dword with 9 digits", head + "\"A\"=dword:000000001\n"},
        {"dword not hex", head + "\"A\"=dword:0000000g\n"},
        {"dword empty", head + "\"A\"=dword:\n"},
        {"hex byte of 3 digits", head + "\"A\"=hex:100\n"},
        {"hex trailing comma", head + "\"A\"=hex:10,\n"},
        {"hex continuation at end of file", head + "\"A\"=hex:10,\\\n"},
        {"hex type not hex", head + "\"A\"=hex(z):10\n"},
        {"unterminated name", head + "\"A=dword:00000001\n"},
        {"unterminated string", head + "\"A\"=\"abc\n"},
        {"text after string", head + "\"A\"=\"abc\" x\n"},
        {"missing equals", head + "\"A\" dword:00000001\n"},
        {"unknown data form", head + "\"A\"=qword:1\n"},
        {"invalid UTF-8 in string", head + "\"A\"=\"\xC0\xAF\"\n"},
        {"odd-length UTF-16", std::string("\xFF\xFEW\0i\0n", 7)},
    };
    for (const Row& row : rows) {
        EXPECT_FALSE(ParseRegistryText(row.text).has_value()) << row.name;
    }
}

TEST(RegistryText, WritesUnchangedFilesBackByteForByte) {
    struct Row {
        const char* name;
        std::string bytes;
    };
    const std::vector<Row> rows = {
        {"CRLF sample", kSample},
        {"LF, no final line ending",
         "Windows Registry Editor Version 5.00\n\n[K]\n\"A\"=dword:00000001"},
        {"UTF-8 with BOM", "\xEF\xBB\xBF" + kSample},
        {"UTF-16LE with BOM",
         "\xFF\xFE" + Utf16ToLeBytes(*Utf8ToUtf16(kSample + "; K\xC3\xB6ln \xF0\x9F\x95\x8C\r\n"))},
        {"odd spacing kept",
         "Windows Registry Editor Version 5.00  \n ;c\n[K]  \n  \"A\" = dword:1\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::optional<RegistryDocument> document = ParseRegistryText(row.bytes);
        ASSERT_TRUE(document.has_value());
        EXPECT_EQ(FormatRegistryText(*document), row.bytes);
    }
}

TEST(RegistryText, ChangingOneValueRewritesOnlyThatValue) {
    std::optional<RegistryDocument> document = ParseRegistryText(kSample);
    ASSERT_TRUE(document.has_value());
    ASSERT_TRUE(SetRegistryValue(*document, kKey, "BLOB", {kRegistryTypeDword, {7, 0, 0, 0}}));
    std::string expected = kSample;
    const std::string oldBlob = "\"Blob\"=hex:01,02,\\\r\n  03,ff\r\n";
    expected.replace(expected.find(oldBlob), oldBlob.size(), "\"Blob\"=dword:00000007\r\n");
    EXPECT_EQ(FormatRegistryText(*document), expected);
}

TEST(RegistryText, NewValuesJoinTheirKeyAndNewKeysStartAfterABlankLine) {
    std::optional<RegistryDocument> document = ParseRegistryText(
        "Windows Registry Editor Version 5.00\n\n[K]\n\"A\"=dword:00000001\n\n; end\n"
        "[L]\n\"B\"=-");
    ASSERT_TRUE(document.has_value());
    ASSERT_TRUE(SetRegistryValue(*document, "k", "C", {kRegistryTypeBinary, {0xab}}));
    ASSERT_TRUE(SetRegistryValue(*document, "L", "B", {kRegistryTypeDword, {1, 0, 0, 0}}));
    ASSERT_TRUE(SetRegistryValue(*document, "M", "D", {2, {}}));
    EXPECT_EQ(FormatRegistryText(*document),
              "Windows Registry Editor Version 5.00\n\n[K]\n\"A\"=dword:00000001\n"
              "\"C\"=hex:ab\n\n; end\n"
              "[L]\n\"B\"=dword:00000001\n"
              "\n[M]\n\"D\"=hex(2):\n\n");
    EXPECT_FALSE(SetRegistryValue(*document, "M", "bad\nname", {}));
    EXPECT_FALSE(SetRegistryValue(*document, "M", "\xC0\xAF", {}));
}

TEST(RegistryText, LongHexValuesWrapLikeAnExportAndReadBackTheSame) {
    RegistryDocument document = NewRegistryDocument();
    Bytes bytes(400);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 7);
    }
    ASSERT_TRUE(SetRegistryValue(document, "K", "City", {1, bytes}));
    const std::string text = FormatRegistryText(document);

    std::size_t lineStart = 0;
    std::size_t wrapped = 0;
    while (lineStart < text.size()) {
        const std::size_t end = text.find('\n', lineStart);
        const std::string line = text.substr(lineStart, end - lineStart);
        EXPECT_LE(line.size(), 80u) << line;
        if (!line.empty() && line.back() == '\\') {
            ++wrapped;
        }
        lineStart = end + 1;
    }
    EXPECT_GT(wrapped, 10u);
    EXPECT_EQ(text.substr(0, 62),
              "Windows Registry Editor Version 5.00\n\n[K]\n\"City\"=hex(1):00,07,");

    const std::optional<RegistryDocument> reread = ParseRegistryText(text);
    ASSERT_TRUE(reread.has_value());
    const RegistryData* data = FindRegistryValue(*reread, "K", "City");
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->type, 1u);
    EXPECT_EQ(data->bytes, bytes);
}

}  // namespace
}  // namespace orvanta
