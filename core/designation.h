#pragma once
// Thread designation of a member (1/4-20 UNC-2A, M 10 X 1.5 - 6g6g) and its notes.

#include <string>

class TThdInfo;

// Returns the designation; sets Series for the non-unified types, fills the
// owner's NomDiaText when empty and rewrites the member's Notes (plated
// limits in the display unit).
std::string DesignationText(TThdInfo& member);
