#pragma once
// The notebook pages of the thread window, in notebook order, and their captions.

#include <QString>

namespace ThreadPage {

enum Page : int {
    Parameters = 0,
    ThreadDim = 1,
    Ring = 2,
    SetPlug = 3,
    Plug = 4,
    Setting = 5,
    NPTGages = 6,
    NPTTolerances = 7,
    Inspect = 8,
    Profile = 9,
    Iso1502 = 10,
    Count = 11,
};

QString Caption(int page);
// Pages that have something on them in this build; the others get no tab.
bool HasContent(int page);
// The help page of a notebook page ("ring_gage.html").
QString HelpFile(int page);

} // namespace ThreadPage
