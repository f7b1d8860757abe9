#include <gtest/gtest.h>

#include <functional>

#include "platform/services/TWineRegistryFile.h"
#include "tests/TempFolder.h"

namespace {

constexpr int64_t kNow = 1700000000;
constexpr const char* kNowTime = "#time=1da1747c66d0000";
constexpr const char* kConfig = "Software\\Korvan\\Quelm\\Config";

// As Wine writes it, with the escapes it uses and a few hand edits it reads.
const std::string kUserReg = "WINE REGISTRY Version 2\n"
                             ";; All keys relative to \\\\User\\\\S-1-5-21-0-0-0-1000\n"
                             "\n"
                             "#arch=win64\n"
                             "\n"
                             "[Software\\\\Korvan\\\\Quelm\\\\Config] 1600000000\n"
                             "#time=1d6a1b2c3d4e5f6\n"
                             "\"ID\"=\"Jo\\xe3o \\\"\\\\o/\\\" \\x4e2d\\x00e9a \\351\"\n"
                             "\"Lines\"=\"a\\nb\\tc\\rd\\0017\\1\\e\"\n"
                             "\"Raw\"=\"Jo\xC3\xA3o \\q\"\n"
                             "\"Smile\"=\"\\xd83d\\xde00\"\n"
                             "\"Resolution\"=dword:00000002\n"
                             "@=\"default\"\n"
                             "\"Blob\"=hex:01,02,\\\n"
                             "  03,ff\n"
                             "\"Path\"=str(2):\"%SystemRoot%\\\\x\"\n"
                             "\"Wide\"=hex(2):41,00,42,00,00,00\n"
                             "\"Multi\"=str(7):\"a\\0b\\0\"\n"
                             "\"Big\"=hex(b):01,00,00,00,00,00,00,00\n"
                             "\n"
                             "[Software\\\\Wine\\\\Fonts] 1600000001\n"
                             "#time=1d6a1b2c3d4e5f7\n"
                             "\"LogPixels\"=dword:00000060\n";

TRegValueData Text(std::string s) {
    return {REG_SZ, std::move(s)};
}

TRegValueData Dword(uint32_t v) {
    std::string b;
    for (int i = 0; i < 4; ++i)
        b += static_cast<char>(v >> (8 * i) & 0xFF);
    return {REG_DWORD, b};
}

std::string ErrorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const ERegistryException& e) {
        return e.what();
    }
    return "no error";
}

void ExpectValue(const TWineRegistryFile& f, std::string_view name, const TRegValueData& want) {
    const auto v = f.FindValue(kConfig, name);
    ASSERT_TRUE(v) << name;
    EXPECT_EQ(v->Type, want.Type) << name;
    EXPECT_EQ(v->Bytes, want.Bytes) << name;
}

} // namespace

TEST(WineRegistryFile, ReadsEveryFormWineWrites) {
    const auto f = TWineRegistryFile::Parse(kUserReg, "user.reg");
    ExpectValue(f, "id", Text("Jo\u00E3o \"\\o/\" \u4E2D\u00E9a \u00E9"));
    ExpectValue(f, "Lines", Text("a\nb\tc\rd\0017\1\x1b"));
    ExpectValue(f, "Raw", Text("Jo\u00E3o q"));
    ExpectValue(f, "Smile", Text("\U0001F600"));
    ExpectValue(f, "Resolution", Dword(2));
    ExpectValue(f, "", Text("default"));
    ExpectValue(f, "Blob", {REG_BINARY, std::string("\x01\x02\x03\xff", 4)});
    ExpectValue(f, "Path", {REG_EXPAND_SZ, "%SystemRoot%\\x"});
    ExpectValue(f, "Wide", {REG_EXPAND_SZ, "AB"});
    ExpectValue(f, "Multi", {REG_MULTI_SZ, std::string("a\0\0\0b\0\0\0\0\0", 10)});
    ExpectValue(f, "Big", {0xb, std::string("\x01\0\0\0\0\0\0\0", 8)});
    EXPECT_FALSE(f.FindValue(kConfig, "Missing"));
    EXPECT_FALSE(f.FindValue("Software\\Korvan", "ID"));
    EXPECT_TRUE(f.FindValue("SOFTWARE\\wine\\fonts\\", "logpixels"));
    EXPECT_TRUE(f.KeyExists("software\\korvan"));
    EXPECT_FALSE(f.KeyExists("Software\\Korv"));
}

TEST(WineRegistryFile, WritesWineEscapesAndReadsThemBack) {
    auto f = TWineRegistryFile::Parse("WINE REGISTRY Version 2\n", "user.reg");
    const std::string odd = "Jo\u00E3o \"\\\" \u4E2D\u00E9a\n\t\x1b\x01"
                            "7\x01 \U0001F600";
    f.SetValue(kConfig, "ID", Text(odd), kNow);
    f.SetValue(kConfig, "Na\"me\u00E9", Dword(0xfffffffe), kNow);
    f.SetValue(kConfig, "", {REG_EXPAND_SZ, "%x%"}, kNow);
    EXPECT_EQ(f.Text(), "WINE REGISTRY Version 2\n"
                        "\n"
                        "[Software\\\\Korvan\\\\Quelm\\\\Config] 1700000000\n"
                        "\"ID\"=\"Jo\\xe3o \\\"\\\\\\\" \\x4e2d\\x00e9a\\n\\t\\e\\0017\\1 "
                        "\\xd83d\\xde00\"\n"
                        "\"Na\\\"me\\xe9\"=dword:fffffffe\n"
                        "@=str(2):\"%x%\"\n");
    const auto again = TWineRegistryFile::Parse(f.Text(), "again.reg");
    ExpectValue(again, "ID", Text(odd));
    ExpectValue(again, "na\"ME\u00C9", Dword(0xfffffffe));
}

TEST(WineRegistryFile, LongHexDataWrapsAsWineWrapsIt) {
    auto f = TWineRegistryFile::Parse("WINE REGISTRY Version 2\n\n[A] 1\n", "user.reg");
    std::string bytes;
    for (int i = 0; i < 50; ++i)
        bytes += static_cast<char>(i);
    f.SetValue("A", "Blob", {REG_BINARY, bytes}, kNow);
    const std::string text = f.Text();
    const size_t start = text.find("\"Blob\"=hex:00,");
    ASSERT_NE(start, std::string::npos);
    // 22 bytes on the first line, 25 on each line after.
    EXPECT_NE(text.find(",15,\\\n  16,17,"), std::string::npos) << text;
    EXPECT_NE(text.find(",2e,\\\n  2f,30,31\n"), std::string::npos) << text;
    const auto back = TWineRegistryFile::Parse(text, "again").FindValue("a", "blob");
    ASSERT_TRUE(back);
    EXPECT_EQ(back->Bytes, bytes);
}

TEST(WineRegistryFile, EditsKeepEveryOtherByte) {
    // Odd but readable: blanks around lines, a comment and an option inside
    // a key, a key without a time stamp, the key twice, CR LF line ends and
    // no line end at the very end.
    const std::string before = "WINE REGISTRY Version 2\r\n"
                               ";; All keys relative to \\\\User\\\\S-1\r\n"
                               "#arch=win32\r\n"
                               "[software\\\\korvan\\\\quelm\\\\config]\r\n"
                               "  \"ID\" = \"old\"   \r\n"
                               "; a note\r\n"
                               "#class=\"x\"\r\n"
                               "\r\n"
                               "\r\n"
                               "[Other]  17 \r\n"
                               "\"Keep\"=hex:01,\\\r\n"
                               "\t02\r\n"
                               "[Software\\\\Korvan\\\\Quelm\\\\Config] 5\r\n"
                               "#time=1\r\n"
                               "\"Resolution\"=dword:00000001";
    auto f = TWineRegistryFile::Parse(before, "user.reg");
    f.SetValue(kConfig, "resolution", Dword(3), kNow);
    EXPECT_EQ(f.Text(), before.substr(0, before.rfind("[Software")) +
                            "[Software\\\\Korvan\\\\Quelm\\\\Config] 1700000000\r\n" + kNowTime +
                            "\r\n\"resolution\"=dword:00000003\r\n");
    // The value's own (last) definition changes, in the first of the two blocks.
    const std::string afterFirst = f.Text();
    f.SetValue(kConfig, "ID", Text("new"), kNow + 1);
    std::string expected = afterFirst;
    expected.replace(expected.find("config]") + 7, 0, " 1700000001");
    expected.replace(expected.find("  \"ID\" = \"old\"   "), 17, "\"ID\"=\"new\"");
    EXPECT_EQ(f.Text(), expected);

    const std::string plain = "WINE REGISTRY Version 2\n\n[A] 1\n\"X\"=\"1\"\n\n[B] 2\n";
    f = TWineRegistryFile::Parse(plain, "user.reg");
    f.SetValue("A", "Y", Dword(1), kNow);
    EXPECT_EQ(f.Text(), "WINE REGISTRY Version 2\n\n[A] 1700000000\n\"X\"=\"1\"\n"
                        "\"Y\"=dword:00000001\n\n[B] 2\n");
    EXPECT_TRUE(f.AddKey("A\\C\\", kNow));
    EXPECT_FALSE(f.AddKey("a\\c", kNow));
    EXPECT_TRUE(f.Text().ends_with("[B] 2\n\n[A\\\\C] 1700000000\n"));
}

TEST(WineRegistryFile, NewKeysGetTimeLinesWhenTheFileHasThem) {
    auto f = TWineRegistryFile::Parse(kUserReg, "user.reg");
    f.SetValue("Software\\New [1]", "V", Dword(1), kNow);
    EXPECT_TRUE(f.Text().starts_with(kUserReg));
    EXPECT_EQ(f.Text().substr(kUserReg.size()),
              std::string("\n[Software\\\\New \\[1\\]] 1700000000\n") + kNowTime +
                  "\n\"V\"=dword:00000001\n");
    EXPECT_TRUE(f.FindValue("software\\new [1]", "v"));
}

TEST(WineRegistryFile, BrokenFilesAreReportedWithTheLine) {
    const std::string head = "WINE REGISTRY Version 2\n[K] 1\n";
    const std::pair<std::string, std::string> cases[] = {
        {"REGEDIT4\n", "user.reg line 1: not a Wine registry file"},
        {"", "user.reg line 1: not a Wine registry file"},
        {"WINE REGISTRY Version 2\n\"V\"=\"x\"\n", "line 2: value before the first key"},
        {head + "\"V\"=\"x\n", "line 3: text without closing quote"},
        {head + "\"V=\"x\"\n", "line 3: '=' expected"},
        {head + "\"V\"=\"x\" y\n", "line 3: text after the closing quote"},
        {head + "\"V\"=dword:123456789\n", "line 3: dword needs 1 to 8 hex digits"},
        {head + "\"V\"=hex:01,0g\n", "line 3: bad hex byte"},
        {head + "\"V\"=hex(zz):01\n", "line 3: bad value type"},
        {head + "\"V\"=hex:01,\\\n  02,\\\n", "line 3: hex data goes on past the end"},
        {head + "\"V\"=hex:01,\\\n  02\nnonsense\n", "line 5: unrecognised line"},
        {head + "[K\\\\L 1\n", "line 3: key line without ']'"},
        {head + "[K] 12a\n", "line 3: a key's time stamp must be a number"},
        {head + "\"V\"=str(1):x\n", "line 3: '\"' expected"},
    };
    for (const auto& [text, error] : cases) {
        const std::string got = ErrorOf([&] { TWineRegistryFile::Parse(text, "user.reg"); });
        EXPECT_NE(got.find(error), std::string::npos) << text << " -> " << got;
    }
}
