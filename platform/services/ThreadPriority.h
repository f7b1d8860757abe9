#pragma once
// Background threads that do work the user did not wait for (fetching and
// decoding the news page's pictures) yield the processor to the windows and
// to the X server whenever both want it, as while the page is laid out and
// painted on a machine of two cores, and run at full speed when nothing else
// does.

// Lowers the calling thread's priority; the other threads keep theirs.
void LowerThisThreadsPriority();

// The calling thread's nice value (higher is lower priority).
int ThisThreadsNiceValue();
