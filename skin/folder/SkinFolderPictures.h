#pragma once
// The pictures of a skin folder: the master bitmap, masks cut from it by
// "#(Left,Top,Right,Bottom)(ImageCount,MaskType,BorderWidth)" values, masks
// in bitmap files of their own, and JPEG patterns (a picture of fewer than
// 90000 pixels is kept as a mask, which every painter tiles directly).
//
// Missing files are skipped. A file that exists but cannot be read raises
// ESkinFolderError naming it; the arrays keep what was loaded before it.

#include <string>

#include "skin/TsMemIniFile.h"
#include "skin/folder/ESkinFolderError.h"

// Clears the masks and the master bitmap, then loads them. Folder ends with '/'.
void LoadFolderMasks(const TsMemIniFile& ini, const std::string& folder);
// Clears the patterns, then loads the JPEG pictures (small ones appended to the masks).
void LoadFolderPatterns(const TsMemIniFile& ini, const std::string& folder);

// Kinds of picture values, by their text.
bool IsBitmapFileValue(const std::string& value);
bool IsJpegFileValue(const std::string& value);

// Pictures below this many pixels become masks rather than patterns.
constexpr long SmallPatternPixels = 90000;
