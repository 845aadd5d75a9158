#pragma once
// What makes a row of the ISO 1502 gauge table usable. Header only: the table
// compiler (tools/mktables) refuses a source row by it, and the reader refuses
// a table file by it, so both ask the same rules.

#include <cmath>
#include <string>

// One band of the workpiece's pitch-diameter tolerance and the gauge values
// ISO 1502 gives for it, all in micrometres.
struct Iso1502Row {
    double over = 0, upTo = 0; // the band: over `over` up to and including `upTo`
    double tR = 0, tPL = 0, tCP = 0, m = 0;
    double zR = 0, zPL = 0;
    double wGoR = 0, wGoPL = 0, wNgR = 0, wNgPL = 0;
};

// Why no thread could be gauged by the row; empty for a sound row.
inline std::string Iso1502RowProblem(const Iso1502Row& r) {
    const double values[] = {r.over, r.upTo, r.tR,   r.tPL,   r.tCP,  r.m,
                             r.zR,   r.zPL,  r.wGoR, r.wGoPL, r.wNgR, r.wNgPL};
    for (double v : values)
        if (!std::isfinite(v) || std::fabs(v) > 100000) return "a value is out of range";
    if (r.over < 0) return "td2_over is negative";
    if (!(r.upTo > r.over)) return "td2_upto is not above td2_over, so no tolerance finds this row";
    if (!(r.tR > 0 && r.tPL > 0 && r.tCP > 0 && r.m > 0))
        return "the gauge tolerances t_r, t_pl, t_cp and m must be above 0";
    // The wear limit lies beyond the new gauge's tolerance, on its wear side.
    if (!(r.wGoPL > r.tPL / 2 && r.wNgPL > r.tPL / 2))
        return "a plug's wear allowance (w_go_pl, w_ng_pl) must be above half t_pl";
    if (!(r.wGoR > r.tR / 2 && r.wNgR > r.tR / 2))
        return "a ring's wear allowance (w_go_r, w_ng_r) must be above half t_r";
    // A new GO gauge stays clear of the NOT GO gauge for every tolerance of the band.
    if (r.zPL + r.tPL / 2 > r.over || r.zR + r.tR / 2 > r.over)
        return "z_pl + t_pl/2 and z_r + t_r/2 must not exceed td2_over, or the new GO gauge "
               "would reach the NOT GO gauge";
    if (r.zPL - r.tPL / 2 < -r.over || r.zR - r.tR / 2 < -r.over)
        return "z_pl - t_pl/2 and z_r - t_r/2 must not be below -td2_over";
    return "";
}
