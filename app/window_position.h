#pragma once
// The frame's bounds between runs: PLWIN.INI, section "POS", key = executable
// path + ":" + caption in upper case, value "top/left/width/height".

#include <string>

class QWidget;

struct WindowBounds {
    int top = 0;
    int left = 0;
    int width = 0;
    int height = 0;
};

std::string WindowPosKey(const std::string& exePath, const std::string& caption);
// Splits at the first three "/"; false unless all four parts are whole numbers.
bool ParseWindowPos(const std::string& text, WindowBounds& bounds);
std::string WindowPosText(const WindowBounds& bounds);

// The bounds moved and, when they must be, shrunk onto the screen's free area
// (a position kept from a larger or another screen).
WindowBounds FittedToScreen(const WindowBounds& bounds, int screenLeft, int screenTop,
                            int screenWidth, int screenHeight);

// Moves and sizes the window from the key, fitted to the screen it opens on; a
// missing key, an unreadable value or an empty settings path leave the window
// as it is; true when the window took bounds from the key.
bool RestoreWindowPos(QWidget& window, const std::string& iniPath, const std::string& key);
// Writes the key, except for a minimised window or an empty settings path.
void SaveWindowPos(const QWidget& window, const std::string& iniPath, const std::string& key);
