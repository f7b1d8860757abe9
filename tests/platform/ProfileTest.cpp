#include <gtest/gtest.h>

#include "platform/services/TIniFile.h"
#include "platform/services/TextEncoding.h"
#include "tests/TempFolder.h"

namespace {

const std::string kSection = "Configura\u00E7\u00F5es";

// The same file in the two encodings a user's editor may have saved it in.
std::string LaunchIni(bool utf8) {
    const std::string text = "; comment line\r\n"
                             "[Other]\r\nIP=10.0.0.1\r\n"
                             "  [ Configura\u00E7\u00F5es ]  \r\n"
                             "  Pagina do launcher  =   http://news.example/  \r\n"
                             "webSITE=\"  quoted keeps blanks  \"\r\n"
                             "versao='Vers\u00E3o 1.2'\r\n"
                             "nome=\"half quoted\r\n"
                             "ip=127.0.0.1\r\n"
                             "IP=second wins never\r\n"
                             "novalue\r\n"
                             "lang =\r\n";
    return utf8 ? "\xEF\xBB\xBF" + text : Utf8ToWindows1252(text);
}

} // namespace

TEST(Profile, ReadsLikeWindowsInEitherEncoding) {
    for (const bool utf8 : {false, true}) {
        SCOPED_TRACE(utf8 ? "UTF-8" : "Windows-1252");
        const TIniFile ini = TIniFile::FromBytes(LaunchIni(utf8), "launch.ini");
        EXPECT_EQ(ini.ReadString(kSection, "Pagina do launcher", "x"), "http://news.example/");
        EXPECT_EQ(ini.ReadString(kSection, "WEBSITE", "x"), "  quoted keeps blanks  ");
        EXPECT_EQ(ini.ReadString(kSection, "versao", "x"), "Vers\u00E3o 1.2");
        EXPECT_EQ(ini.ReadString(kSection, "nome", "x"), "\"half quoted");
        EXPECT_EQ(ini.ReadString(kSection, "IP", "x"), "127.0.0.1");
        EXPECT_EQ(ini.ReadString("CONFIGURA\u00C7\u00D5ES", "ip", "x"), "127.0.0.1");
        EXPECT_EQ(ini.ReadString(kSection, "lang", "x"), "");
        EXPECT_EQ(ini.ReadString(kSection, "novalue", "dflt  "), "dflt");
        EXPECT_EQ(ini.ReadString(kSection, "missing", ""), "");
        EXPECT_EQ(ini.ReadString("Configuracoes", "IP", "none"), "none");
        EXPECT_EQ(ini.ReadString("Other", "lang", "none"), "none");
        EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"Other", kSection}));
        ASSERT_EQ(ini.Warnings().size(), 1u);
        EXPECT_EQ(ini.Warnings()[0], "launch.ini line 11: line without '='");
    }
}

TEST(Profile, ValuesAreCutAt2047Characters) {
    const std::string longAscii(3000, 'a');
    std::string longAccented;
    for (int i = 0; i < 3000; ++i)
        longAccented += "\xE9"; // é in Windows-1252
    const TIniFile ini =
        TIniFile::FromBytes("[s]\nascii=" + longAscii + "\naccented=" + longAccented + "\n");
    EXPECT_EQ(ini.ReadString("s", "ascii", ""), std::string(2047, 'a'));
    const std::string accented = ini.ReadString("s", "accented", "");
    EXPECT_EQ(Utf8Length(accented), 2047u);
    EXPECT_EQ(accented.size(), 2 * 2047u);
}

TEST(Profile, MissingFileOrFolderGivesTheDefault) {
    TTempFolder dir;
    const TIniFile missing(dir / "launch.ini");
    EXPECT_FALSE(missing.FileFound());
    EXPECT_EQ(missing.ReadString(kSection, "IP", "def"), "def");
    char buf[16] = "garbage";
    EXPECT_EQ(GetPrivateProfileStringA("s", "k", "", buf, sizeof buf, dir.Path().c_str()), 0u);
    EXPECT_STREQ(buf, "");
}

TEST(Profile, CallerBuffersAreFilledAsWindowsFillsThem) {
    TTempFolder dir;
    const std::string file = dir.Write("a.ini", "[One]\nk=\xE7\xE7\xE7\n[Two]\n[one]\nj=1\n");
    char buf[6];
    // Three two-byte characters do not fit in five bytes: two do.
    EXPECT_EQ(GetPrivateProfileStringA("one", "K", "", buf, sizeof buf, file.c_str()), 4u);
    EXPECT_STREQ(buf, "\u00E7\u00E7");
    char list[32];
    // Every header in file order, repeats included; keys of the first "one" only.
    EXPECT_EQ(GetPrivateProfileStringA(nullptr, nullptr, "", list, sizeof list, file.c_str()), 12u);
    EXPECT_EQ(std::string(list, 13), std::string("One\0Two\0one\0\0", 13));
    EXPECT_EQ(GetPrivateProfileStringA("ONE", nullptr, "", list, sizeof list, file.c_str()), 2u);
    EXPECT_EQ(std::string(list, 3), std::string("k\0\0", 3));
    EXPECT_EQ(GetPrivateProfileStringA(nullptr, nullptr, "", list, 6, file.c_str()), 4u);
    EXPECT_EQ(std::string(list, 6), std::string("One\0\0\0", 6));
}

// Hand-written files in the forms admins write them: every line here is read
// differently by a reader that only handles the usual layout.
TEST(Profile, UnusualLayoutsReadAsWindowsReadsThem) {
    const TIniFile ini = TIniFile::FromBytes("orphan=1\r\n"
                                             "[sec]whoops]\r\n"
                                             "a=1\r\n"
                                             "[sec2][sec3]]\r\n"
                                             "b=2\r\n"
                                             "[]\r\n"
                                             "empty=3\r\n"
                                             "[SEC]\r\n"
                                             "a=shadowed\r\n"
                                             "c=4\r\n"
                                             " \v\t[tabbed]\t\v\r\n"
                                             "\t\vkey\v = \t value \v\r\n"
                                             "\v; comment\r\n"
                                             "noeq\r\n"
                                             "dup=1\r\ndup=2\r\n",
                                             "corners.ini");
    // A header ends at its first ']'.
    EXPECT_EQ(ini.ReadString("sec", "a", "x"), "1");
    EXPECT_EQ(ini.ReadString("sec2", "b", "x"), "2");
    EXPECT_FALSE(ini.SectionExists("sec3"));
    // Only the first section of a name is searched.
    EXPECT_EQ(ini.ReadString("Sec", "c", "none"), "none");
    // Keys above the first header are in no section; "[]" is the section "".
    EXPECT_EQ(ini.ReadString("", "orphan", "none"), "none");
    EXPECT_EQ(ini.ReadString(" ", "orphan", "none"), "none");
    EXPECT_EQ(ini.ReadString("", "empty", "x"), "3");
    EXPECT_EQ(ini.ReadString(" ", "empty", "x"), "3");
    // Tabs and vertical tabs are blanks in the file, but not in the caller's names.
    EXPECT_EQ(ini.ReadString("tabbed", "key", "x"), "value");
    EXPECT_EQ(ini.ReadString("  tabbed ", " key  ", "x"), "value");
    EXPECT_EQ(ini.ReadString("\ttabbed", "key", "none"), "none");
    EXPECT_EQ(ini.ReadString("tabbed", "key\t", "none"), "none");
    EXPECT_EQ(ini.ReadString("tabbed", "missing", "\tdefault\t"), "\tdefault\t");
    EXPECT_EQ(ini.ReadString("tabbed", "missing", "default  "), "default");
    // Listing: file order, repeats kept, lines without '=' and empty names left out.
    EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"sec", "sec2", "SEC", "tabbed"}));
    EXPECT_EQ(ini.ReadSection("TABBED"), (std::vector<std::string>{"key", "dup", "dup"}));
    EXPECT_EQ(ini.ReadSection("sec"), (std::vector<std::string>{"a"}));
    EXPECT_EQ(ini.Warnings(),
              (std::vector<std::string>{"corners.ini line 1: key before the first section",
                                        "corners.ini line 14: line without '='"}));
}

// The profile call hands back as much as the caller's buffer holds, up to 65,535
// characters, and a longer value is cut there, not wrapped around to a short one.
TEST(Profile, TheCallReturnsLongValuesUpToItsLimit) {
    TTempFolder dir;
    const std::string file = dir.Write("long.ini", "[s]\nv=" + std::string(70000, 'a') + "\n");
    std::vector<char> big(100000, 'x');
    EXPECT_EQ(GetPrivateProfileStringA("s", "v", "", big.data(), 100000, file.c_str()), 65535u);
    EXPECT_EQ(std::string(big.data()), std::string(65535, 'a'));
    EXPECT_EQ(GetPrivateProfileStringA("s", "v", "", big.data(), 3000, file.c_str()), 2999u);
    EXPECT_EQ(TIniFile(file).ReadString("s", "v", "").size(), MaxProfileValueLength);
}

TEST(Profile, TheDemoFolderConfiguration) {
    const TIniFile ini(std::string(QUELM_SOURCE_DIR) + "/demo/launch.ini");
    ASSERT_TRUE(ini.FileFound());
    EXPECT_EQ(ini.ReadString(kSection, "IP", ""), "127.0.0.1");
    EXPECT_EQ(ini.ReadString(kSection, "versao", ""), "Vers\u00E3o 1.2.0");
    EXPECT_TRUE(ini.Warnings().empty());
}
