#pragma once
// Fills the process-wide skin arrays from a stored skin, in the three steps
// the manager runs in order: masks (with the master bitmap), patterns,
// sections. Each step clears what it fills first.

class TsStoredSkin;

void LoadStoredMasks(const TsStoredSkin& skin);
void LoadStoredPatterns(const TsStoredSkin& skin);
// A gradient string that does not parse raises EConvertError; the sections
// before it stay loaded.
void LoadStoredSections(const TsStoredSkin& skin);
