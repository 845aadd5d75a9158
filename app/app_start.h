#pragma once
// Start-up of the desktop program: splash window, settings, frame with one
// empty thread window, message loop.

// Runs the program until the frame closes; returns the exit code.
int RunPlwin(int& argc, char** argv);
