#pragma once
// The thread profile in an axial section, to scale: the basic profile and the
// maximum- and minimum-material outlines of the external and internal threads,
// built from a calculated record's limits. x runs along the axis, y is the
// distance from the axis (half a diameter); inches throughout, whatever the
// family's own unit. Drawn by one painter routine (report/profile_drawing).

#include <string>
#include <vector>

class TTInfo;

struct ProfilePoint {
    double x = 0;
    double y = 0;
};
using ProfileLine = std::vector<ProfilePoint>;

// A limit drawn as a line across the profile, with its label.
struct ProfileLimit {
    double y = 0;
    std::string label; // "Ext PD Max 0.2164"
    bool external = false;
};

struct ProfileGeometry {
    bool available = false; // false for pipe and the wire-only forms
    std::string title;      // the designations, internal / external
    double pitch = 0;
    // Flank angles from the radial line, degrees: the flank rising to the left
    // of a ridge of the external thread, and the one to its right.
    double leftFlank = 0, rightFlank = 0;
    // Each outline runs from x = 0 to x = pitches * pitch; a ridge of the
    // external thread (a groove of the internal) is centred on every whole pitch.
    int pitches = 3;
    ProfileLine basic;
    ProfileLine extMax, extMin; // external thread at maximum / minimum material
    ProfileLine intMax, intMin; // internal thread at maximum / minimum material
    std::vector<ProfileLimit> limits;
    std::string allowance;      // "Allowance 0.0011 in" (between the two maximum-material outlines)
    std::string pitchText;      // "Pitch 0.0500 in"
    double yLow = 0, yHigh = 0; // the band worth showing
};

// The outline of a thread whose thickness at the pitch diameter is half the
// pitch, cut off at its crest and root diameters (a sharp corner where the
// flanks meet first). Ridges are centred on whole pitches; diameters in inches.
ProfileLine ThreadOutline(double pitch, double pd, double major, double minor, double leftFlank,
                          double rightFlank, int pitches);

// The profile of a calculated record, labels in the display unit.
ProfileGeometry BuildProfileGeometry(TTInfo& rec, bool metricDisplay);

// A tolerance zone as one closed polygon: the maximum-material outline and the
// minimum-material one walked back.
ProfileLine ZonePolygon(const ProfileLine& maxMaterial, const ProfileLine& minMaterial);
