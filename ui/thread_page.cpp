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

QString HelpFile(int page) {
    static const char* const kFiles[Count] = {
        "parameters.html", "thread_dim.html",    "ring_gage.html", "set_plug.html",
        "plug_gage.html",  "gauge_setting.html", "pipe.html",      "pipe.html",
        "inspect.html",    "profile.html",       "iso1502.html"};
    return QString::fromLatin1(page >= 0 && page < Count ? kFiles[page] : "index.html");
}

} // namespace ThreadPage
