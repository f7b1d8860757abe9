#pragma once
// The sections of the launcher's skin.

class TsStoredSkin;

// Appends the 55 sections to the stored skin.
void AddSkinSections(TsStoredSkin& skin);
