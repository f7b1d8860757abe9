#pragma once
// Background threads that do work the user did not wait for (fetching and
// decoding the news page) yield the processor to the windows and to the X
// server whenever both want it, and run at full speed when nothing else
// does. A start, when the display opens beside the windows being built, is
// such a time on a machine of two cores.

// Lowers the calling thread's priority; the other threads keep theirs.
void LowerThisThreadsPriority();

// The calling thread's nice value (higher is lower priority).
int ThisThreadsNiceValue();
