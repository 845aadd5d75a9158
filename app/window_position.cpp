#include "app/window_position.h"

#include "core/ini_file.h"
#include "core/number_text.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

#include <charconv>

namespace {

constexpr const char* kPosSection = "POS";

bool WholeNumber(const std::string& text, int& value) {
    const std::string t = Trim(text);
    if (t.empty()) return false;
    const char* end = t.data() + t.size();
    const auto [ptr, ec] = std::from_chars(t.data(), end, value);
    return ec == std::errc() && ptr == end;
}

} // namespace

std::string WindowPosKey(const std::string& exePath, const std::string& caption) {
    return exePath + ":" + UpperCase(caption);
}

bool ParseWindowPos(const std::string& text, WindowBounds& bounds) {
    std::string parts[4];
    size_t from = 0;
    for (int i = 0; i < 3; ++i) {
        const size_t slash = text.find('/', from);
        if (slash == std::string::npos) return false;
        parts[i] = text.substr(from, slash - from);
        from = slash + 1;
    }
    parts[3] = text.substr(from);
    WindowBounds b;
    if (!WholeNumber(parts[0], b.top) || !WholeNumber(parts[1], b.left) ||
        !WholeNumber(parts[2], b.width) || !WholeNumber(parts[3], b.height))
        return false;
    bounds = b;
    return true;
}

std::string WindowPosText(const WindowBounds& b) {
    return std::to_string(b.top) + "/" + std::to_string(b.left) + "/" + std::to_string(b.width) +
           "/" + std::to_string(b.height);
}

bool RestoreWindowPos(QWidget& window, const std::string& iniPath, const std::string& key) {
    if (iniPath.empty()) return false;
    WindowBounds b;
    if (!ParseWindowPos(ReadIniString(iniPath, kPosSection, key, ""), b)) return false;
    const QPoint centre(b.left + b.width / 2, b.top + b.height / 2);
    const QScreen* screen = QGuiApplication::screenAt(centre);
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect free = screen->availableGeometry();
        b = FittedToScreen(b, free.left(), free.top(), free.width(), free.height());
    }
    window.move(b.left, b.top);
    window.resize(b.width, b.height);
    return true;
}

WindowBounds FittedToScreen(const WindowBounds& bounds, int screenLeft, int screenTop,
                            int screenWidth, int screenHeight) {
    WindowBounds b = bounds;
    b.width = std::min(b.width, screenWidth);
    b.height = std::min(b.height, screenHeight);
    b.left = std::clamp(b.left, screenLeft, screenLeft + screenWidth - b.width);
    b.top = std::clamp(b.top, screenTop, screenTop + screenHeight - b.height);
    return b;
}

void SaveWindowPos(const QWidget& window, const std::string& iniPath, const std::string& key) {
    if (iniPath.empty() || window.isMinimized()) return;
    const WindowBounds b{window.y(), window.x(), window.width(), window.height()};
    // Losing a window position is not worth a message at exit.
    WriteIniString(iniPath, kPosSection, key, WindowPosText(b));
}
