#pragma once
// The files of the benchmarks' scratch game folder: a launch.ini without a
// news page, and a settings store whose client is configured, so that the
// launcher starts straight to its main window without the first-run notice.

constexpr const char* ScratchLaunchIni = "[Configura\xe7\xf5"
                                         "es]\r\nWebSite=http://site.example/\r\nversao=1.2.3\r\n"
                                         "nome=Bench\r\nlang=0\r\n";

constexpr const char* ScratchConfiguredStore =
    "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Korvan\\Quelm\\Config]\n"
    "\"ID\"=\"jogador\"\n\"MusicOnOff\"=dword:00000001\n"
    "\"SoundOnOff\"=dword:00000000\n\"ColorDepth\"=dword:00000001\n"
    "\"Resolution\"=dword:00000002\n\"VolumeLevel\"=dword:00000007\n";
