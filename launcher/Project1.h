#pragma once
// The program's start-up: the application object, its title and the three
// windows, created in order with the dialogs hidden.

class THeadlessHost;

// Title of the application and caption of every message box.
extern const char* const LauncherTitle;

// Initialises the application and creates Form1, Form2 and Form3. The host
// must be installed first.
void CreateLauncher();
// Destroys the application and its windows (tests start over with it).
void DestroyLauncher();

// Start-up, then the message loop until the main window closes.
int RunLauncher();

// Start-up on the headless host, then the options and about dialogs shown as
// their buttons would; writes Form1.png, Form2.png and Form3.png into folder,
// each pixel drawn as scale x scale, and prints each message box shown.
// Returns the exit status.
int RunScreenshots(const char* folder, int scale = 1);
