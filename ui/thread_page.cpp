// Captions of the thread window's notebook pages.
#include "ui/thread_page.h"

namespace ThreadPage {

QString Caption(int page) {
    static const char* const kCaptions[Count] = {
        "Parameters", "Thread Dim.",    "Ring Gage", "Set Plug", "Plug Gage",      "Orvalle",
        "NPT Gages",  "NPT Tolerances", "Inspect",   "Profile",  "ISO 1502 Gauges"};
    return page >= 0 && page < Count ? QString::fromLatin1(kCaptions[page]) : QString();
}

bool HasContent(int page) {
    // The pipe pages are added by the pipe fill.
    return (page >= Parameters && page <= Setting) || page == Inspect || page == Profile ||
           page == Iso1502;
}

} // namespace ThreadPage
