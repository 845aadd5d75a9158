#pragma once
// The clipboard texts of a calculation: the calibration certificate values of one
// gauge and the limits of the internal or external thread. Lines end with CR LF,
// columns are separated by a tab; numbers follow the given display unit.

#include <string>

class TTInfo;

enum class GaugePage { Ring, SetPlug, Plug };

// Required value and tolerance of the GO (go = true) or NOT GO gauge of a page.
std::string CalCertText(TTInfo& rec, GaugePage page, bool go, bool metricDisplay);
// "Internal: <designation>" or "External: ..." followed by one labelled line per limit.
std::string ThreadDimsText(TTInfo& rec, bool internal, bool metricDisplay);
