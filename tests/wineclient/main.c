/* A stand-in for the game's client, built as a Windows program, that the
 * tests run under Wine. It reads the game's six settings through the Windows
 * registry functions, as the game does, and appends what it read to
 * client-out.txt in its working folder (UTF-8), also printing it:
 *
 *   main.exe [anything]     prints "args=" and its arguments, the values, "end"
 *   main.exe set ID M S C R V
 *                           writes the six values (ID percent-encoded UTF-8,
 *                           so that no locale stands between the test and it)
 *   main.exe watch          writes "watching", waits (two minutes at most)
 *                           for a file named reread, then prints the values
 */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>

static const wchar_t* const kKey = L"Software\\Korvan\\Quelm\\Config";
static const wchar_t* const kNumbers[] = {L"MusicOnOff", L"SoundOnOff", L"ColorDepth",
                                          L"Resolution", L"VolumeLevel"};
enum { kNumberCount = 5, kWatchSteps = 1200, kWatchStepMs = 100 };

static FILE* gOut;

static void Say(const char* line) {
    fputs(line, stdout);
    fputs("\n", stdout);
    fputs(line, gOut);
    fputs("\n", gOut);
    fflush(gOut);
}

static void PrintValues(void) {
    HKEY key;
    char line[2048], name[64], text[1536];
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        Say("key=<missing>");
        Say("end");
        return;
    }
    wchar_t id[512];
    DWORD type = 0, size = sizeof id - sizeof(wchar_t);
    if (RegQueryValueExW(key, L"ID", NULL, &type, (BYTE*)id, &size) == ERROR_SUCCESS &&
        type == REG_SZ) {
        id[size / sizeof(wchar_t)] = 0;
        WideCharToMultiByte(CP_UTF8, 0, id, -1, text, sizeof text, NULL, NULL);
        snprintf(line, sizeof line, "ID=%s", text);
    } else {
        snprintf(line, sizeof line, "ID=<missing>");
    }
    Say(line);
    for (int i = 0; i < kNumberCount; ++i) {
        DWORD value = 0;
        size = sizeof value;
        WideCharToMultiByte(CP_UTF8, 0, kNumbers[i], -1, name, sizeof name, NULL, NULL);
        if (RegQueryValueExW(key, kNumbers[i], NULL, &type, (BYTE*)&value, &size) ==
                ERROR_SUCCESS &&
            type == REG_DWORD)
            snprintf(line, sizeof line, "%s=%ld", name, (long)(LONG)value);
        else
            snprintf(line, sizeof line, "%s=<missing>", name);
        Say(line);
    }
    RegCloseKey(key);
    Say("end");
}

static int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

static void PercentDecode(const char* in, char* out, size_t room) {
    size_t n = 0;
    for (; *in && n + 1 < room; ++n) {
        if (in[0] == '%' && HexDigit(in[1]) >= 0 && HexDigit(in[2]) >= 0) {
            out[n] = (char)(HexDigit(in[1]) * 16 + HexDigit(in[2]));
            in += 3;
        } else {
            out[n] = *in++;
        }
    }
    out[n] = 0;
}

static int SetValues(char** argv) {
    HKEY key;
    char utf8[1024];
    wchar_t id[512];
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, NULL, 0, KEY_WRITE, NULL, &key, NULL) !=
        ERROR_SUCCESS) {
        Say("set failed");
        return 1;
    }
    PercentDecode(argv[0], utf8, sizeof utf8);
    const int units = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, id, 512);
    LONG ok = RegSetValueExW(key, L"ID", 0, REG_SZ, (const BYTE*)id, units * sizeof(wchar_t));
    for (int i = 0; i < kNumberCount; ++i) {
        DWORD value = (DWORD)strtol(argv[1 + i], NULL, 10);
        ok |= RegSetValueExW(key, kNumbers[i], 0, REG_DWORD, (const BYTE*)&value, sizeof value);
    }
    RegCloseKey(key);
    Say(ok == ERROR_SUCCESS ? "set ok" : "set failed");
    return ok == ERROR_SUCCESS ? 0 : 1;
}

static int Watch(void) {
    Say("watching");
    for (int i = 0; i < kWatchSteps; ++i) {
        if (GetFileAttributesA("reread") != INVALID_FILE_ATTRIBUTES) {
            PrintValues();
            return 0;
        }
        Sleep(kWatchStepMs);
    }
    Say("watch timed out");
    return 1;
}

int main(int argc, char** argv) {
    gOut = fopen("client-out.txt", "ab");
    if (!gOut) return 2;
    if (argc == 8 && strcmp(argv[1], "set") == 0) return SetValues(argv + 2);
    if (argc == 2 && strcmp(argv[1], "watch") == 0) return Watch();
    char line[1024] = "args=";
    for (int i = 1; i < argc; ++i) {
        if (i > 1) strncat(line, " ", sizeof line - strlen(line) - 1);
        strncat(line, argv[i], sizeof line - strlen(line) - 1);
    }
    Say(line);
    PrintValues();
    return 0;
}
