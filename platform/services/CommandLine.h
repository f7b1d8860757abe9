#pragma once
// Splitting a command line into words by the rules Windows programs use
// (CommandLineToArgvW):
//  - words are separated by blanks and tabs outside quotes;
//  - the first word, the program, ends at the next blank, or when it begins
//    with a quote at the next quote; backslashes in it are plain characters;
//  - in later words, 2n backslashes before a quote give n backslashes and the
//    quote opens or closes a quoted part; 2n+1 backslashes before a quote give
//    n backslashes and a literal quote; backslashes before anything else stay;
//  - inside a quoted part, two quotes give one literal quote and end the part;
//    three quotes in a row give one literal quote;
//  - "" makes an empty word.
// Blanks before the program are skipped (Windows would make an empty first
// word of them, which names no program).

#include <string>
#include <string_view>
#include <vector>

std::vector<std::string> SplitCommandLine(std::string_view commandLine);
