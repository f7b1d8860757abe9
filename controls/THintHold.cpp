#include "controls/THintHold.h"

#include "framework/forms/TApplication.h"

void THintHold::Hold() {
    if (FHeld || !Application) return;
    FSaved = Application->ShowHint();
    FHeld = true;
    Application->SetShowHint(false);
}

void THintHold::Release() {
    if (!FHeld || !Application) return;
    FHeld = false;
    Application->SetShowHint(FSaved);
}
