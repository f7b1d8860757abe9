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
    EXPECT_EQ(GetPrivateProfileStringA(nullptr, nullptr, "", list, sizeof list, file.c_str()), 8u);
    EXPECT_EQ(std::string(list, 9), std::string("One\0Two\0\0", 9));
    EXPECT_EQ(GetPrivateProfileStringA("ONE", nullptr, "", list, sizeof list, file.c_str()), 4u);
    EXPECT_EQ(std::string(list, 5), std::string("k\0j\0\0", 5));
    EXPECT_EQ(GetPrivateProfileStringA(nullptr, nullptr, "", list, 6, file.c_str()), 4u);
    EXPECT_EQ(std::string(list, 6), std::string("One\0\0\0", 6));
}

TEST(Profile, TheDemoFolderConfiguration) {
    const TIniFile ini(std::string(QUELM_SOURCE_DIR) + "/demo/launch.ini");
    ASSERT_TRUE(ini.FileFound());
    EXPECT_EQ(ini.ReadString(kSection, "IP", ""), "127.0.0.1");
    EXPECT_EQ(ini.ReadString(kSection, "versao", ""), "Vers\u00E3o 1.2.0");
    EXPECT_TRUE(ini.Warnings().empty());
}
