#pragma once
// Hints switched off for the length of a press on a skinned control, and the
// application's own setting given back once at its end, however many presses
// and releases arrive in between.

class THintHold {
public:
    // Saves the application's setting and switches hints off, unless held already.
    void Hold();
    // Gives the saved setting back, if held.
    void Release();

private:
    bool FHeld = false;
    bool FSaved = true;
};
