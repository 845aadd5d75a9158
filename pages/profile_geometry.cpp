#include "pages/profile_geometry.h"

#include "core/designation.h"
#include "core/display_unit.h"
#include "core/number_text.h"
#include "core/thread_record.h"
#include "pages/result_pages.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

double Tan(double degrees) {
    return std::tan(degrees * std::numbers::pi / 180);
}

// A limit of 0 is one the standard leaves open: the other limit stands in.
double Or(double value, double other) {
    return value != 0 ? value : other;
}

} // namespace

ProfileLine ThreadOutline(double pitch, double pd, double major, double minor, double leftFlank,
                          double rightFlank, int pitches) {
    const double rp = pd / 2, crest = major / 2, root = minor / 2;
    const double tl = Tan(leftFlank), tr = Tan(rightFlank);
    const double end = pitches * pitch;
    // Half-widths of the ridge at a height, left and right of its centre.
    const auto left = [&](double y) { return pitch / 4 + (rp - y) * tl; };
    const auto right = [&](double y) { return pitch / 4 + (rp - y) * tr; };
    // Where the flanks of one ridge meet (above the crest: no flat on top), and
    // where a ridge's right flank meets the next one's left (below the root).
    const double apex = rp + (pitch / 2) / (tl + tr);
    const double valley = rp - (pitch / 2) / (tl + tr);
    const double top = std::min(crest, apex), bottom = std::max(root, valley);

    // Unclipped, one ridge beyond each end; x never falls along the outline.
    ProfileLine raw;
    for (int k = -1; k <= pitches + 1; ++k) {
        const double c = k * pitch;
        raw.push_back({c - left(bottom), bottom});
        raw.push_back({c - left(top), top});
        raw.push_back({c + right(top), top});
        raw.push_back({c + right(bottom), bottom});
    }
    ProfileLine line;
    const auto add = [&](double x, double y) {
        if (!line.empty() && line.back().x == x && line.back().y == y) return;
        line.push_back({x, y});
    };
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const ProfilePoint a = raw[i];
        if (a.x >= 0 && a.x <= end) add(a.x, a.y);
        if (i + 1 == raw.size()) break;
        const ProfilePoint b = raw[i + 1];
        for (const double at : {0.0, end})
            if (a.x < at && b.x > at) add(at, a.y + (b.y - a.y) * (at - a.x) / (b.x - a.x));
    }
    return line;
}

ProfileLine ZonePolygon(const ProfileLine& maxMaterial, const ProfileLine& minMaterial) {
    ProfileLine zone = maxMaterial;
    zone.insert(zone.end(), minMaterial.rbegin(), minMaterial.rend());
    return zone;
}

ProfileGeometry BuildProfileGeometry(TTInfo& rec, bool metricDisplay) {
    ProfileGeometry g;
    TThdInfo& ext = rec.ExtThd;
    TThdInfo& in = rec.IntThd;
    const ProfileForm& f = ThreadTypeOf(ext.TypeCode).profile;
    if (rec.Pipe || !(f.pdDepth > 0) || !(ext.Pitch() > 0)) return g;
    const ScopedDisplayUnit unit(metricDisplay);
    // The record's unit to inches.
    const double k = HoldsMillimetres(ext.TypeCode) ? 1 / kMmPerInch : 1;
    const double p = ext.Pitch() * k;
    const double d = rec.NomDia * k;
    g.available = true;
    g.pitch = p;
    g.leftFlank = f.leftFlank;
    g.rightFlank = f.rightFlank;
    g.title = DesignationText(in) + " / " + DesignationText(ext);

    const auto outline = [&](double pd, double major, double minor) {
        return ThreadOutline(p, pd * k, major * k, minor * k, f.leftFlank, f.rightFlank, g.pitches);
    };
    g.basic = ThreadOutline(p, d - f.pdDepth * p, d, d - f.minorDepth * p, f.leftFlank,
                            f.rightFlank, g.pitches);
    // The external thread's root and the internal thread's root are not held by
    // every standard: the open limit takes the other one's value.
    g.extMax = outline(ext.PD.Max, ext.Major.Max, Or(ext.Minor.Max, ext.Minor.Min));
    g.extMin = outline(ext.PD.Min, ext.Major.Min, Or(ext.Minor.Min, ext.Minor.Max));
    g.intMax = outline(in.PD.Min, Or(in.Major.Min, in.Major.Max), in.Minor.Min);
    g.intMin = outline(in.PD.Max, Or(in.Major.Max, in.Major.Min), in.Minor.Max);

    const auto limit = [&](const TThdInfo& m, const char* name, double value) {
        if (value == 0) return;
        g.limits.push_back(
            {value * k / 2,
             std::string(m.IsExternal ? "Ext " : "Int ") + name + " " + Trim(DimText(m, 4, value)),
             m.IsExternal == 1});
    };
    limit(ext, "Major Max", ext.Major.Max);
    limit(ext, "Major Min", ext.Major.Min);
    limit(ext, "PD Max", ext.PD.Max);
    limit(ext, "PD Min", ext.PD.Min);
    limit(ext, "Minor Max", ext.Minor.Max);
    limit(in, "Major Min", in.Major.Min);
    limit(in, "PD Max", in.PD.Max);
    limit(in, "PD Min", in.PD.Min);
    limit(in, "Minor Max", in.Minor.Max);
    limit(in, "Minor Min", in.Minor.Min);
    const std::string unitText = " " + UnitText(metricDisplay);
    const double allowance = in.PD.Min - ext.PD.Max;
    g.allowance = allowance == 0 ? "No allowance"
                                 : "Allowance " + Trim(DimText(ext, 4, allowance)) + unitText;
    g.pitchText = "Pitch " + Trim(DimText(ext, 4, ext.Pitch())) + unitText;

    double low = d, high = 0;
    for (const ProfileLine* line : {&g.basic, &g.extMax, &g.extMin, &g.intMax, &g.intMin})
        for (const ProfilePoint& pt : *line) {
            low = std::min(low, pt.y);
            high = std::max(high, pt.y);
        }
    g.yLow = low - 0.1 * p;
    g.yHigh = high + 0.1 * p;
    return g;
}
