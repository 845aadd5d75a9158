#pragma once
// The profile drawing as an SVG file, written whole or not at all.

#include <string>

struct ProfileGeometry;

// Needs a GUI application (fonts). False with the reason when the file cannot be written.
bool WriteProfileSvg(const ProfileGeometry& g, const std::string& path, std::string* reason);
