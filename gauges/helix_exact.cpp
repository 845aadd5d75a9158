#include "gauges/helix_exact.h"

#include <cmath>
#include <numbers>

namespace {

using ld = long double;

// Cylindrical coordinates about the thread's axis z. Flank 1 bounds the groove
// on the +z side, flank 2 on the -z side:
//   z = +P/4 + (r - rp) tan a1 + k theta,   z = -P/4 - (r - rp) tan a2 + k theta,
// k = lead / 2 pi. A wire of radius rho has its axis through (R, 0, z0), square
// to the x axis and leaning by beta: its surface is the points
//   x = R + rho cos phi,  y,  z = z0 + y tan beta - rho sin phi / cos beta
// (y runs along the wire). On flank 1, z - k theta - (r - rp) tan a1 is at most
// P/4 over the wire and reaches it at the touching point; on flank 2,
// z - k theta + (r - rp) tan a2 is at least -P/4. With
//   f(y, phi) = y tan beta - rho sin phi / cos beta - k theta - s (r - rp),
// s = tan a1 (its maximum g1) and s = -tan a2 (its minimum g2), the wire
// touches both flanks when g1 - g2 = P/2, whatever z0.
struct Seat {
    ld rho, rp, k;
};

struct Touch {
    ld g = 0;     // the extreme of f
    ld dR = 0;    // its derivative by R
    ld dBeta = 0; // and by beta
    bool ok = false;
};

// The stationary point of f nearest the start (y 0, phi0): Newton's method on
// the gradient with f's exact second derivatives. A point that is not the
// maximum (flank 1, s > 0) or minimum (flank 2) it should be is no touch.
Touch Extreme(const Seat& c, ld R, ld beta, ld s, ld phi0) {
    const ld t = std::tan(beta);
    const ld sec = 1 / std::cos(beta);
    ld y = 0;
    ld phi = phi0;
    Touch out;
    for (int i = 0; i < 60; ++i) {
        const ld sp = std::sin(phi), cp = std::cos(phi);
        const ld x = R + c.rho * cp;
        const ld r2 = x * x + y * y;
        const ld r = std::sqrt(r2);
        const ld r3 = r2 * r, r4 = r2 * r2;
        const ld d = c.k * y / r2 - s * x / r; // df/dx
        const ld dx = -2 * c.k * x * y / r4 - s * y * y / r3;
        const ld dy = c.k * (x * x - y * y) / r4 + s * x * y / r3;
        const ld xPhi = -c.rho * sp;
        const ld fy = t - c.k * x / r2 - s * y / r;
        const ld fp = -c.rho * cp * sec + d * xPhi;
        const ld fyy = 2 * c.k * x * y / r4 - s * x * x / r3;
        const ld fyp = dy * xPhi;
        const ld fpp = c.rho * sp * sec + dx * xPhi * xPhi - d * c.rho * cp;
        const ld det = fyy * fpp - fyp * fyp;
        if (!(std::fabs(det) > 0) || !std::isfinite(det)) return out;
        const ld stepY = (fpp * fy - fyp * fp) / det;
        const ld stepPhi = (fyy * fp - fyp * fy) / det;
        y -= stepY;
        phi -= stepPhi;
        if (std::fabs(stepY) <= 1e-16L * c.rp && std::fabs(stepPhi) <= 1e-15L) {
            if (!(det > 0) || !(s > 0 ? fyy < 0 : fyy > 0)) return out;
            const ld x2 = R + c.rho * std::cos(phi);
            const ld rr = std::sqrt(x2 * x2 + y * y);
            out.g = y * t - c.rho * std::sin(phi) * sec - c.k * std::atan2(y, x2) - s * (rr - c.rp);
            out.dR = c.k * y / (rr * rr) - s * x2 / rr;
            out.dBeta = y * sec * sec - c.rho * std::sin(phi) * sec * t;
            out.ok = std::isfinite(out.g);
            return out;
        }
    }
    return out;
}

struct Fit {
    ld R = 0;
    ld lean = 0; // the derivative of g1 - g2 by beta at that R: 0 at the seat
    bool ok = false;
};

// The distance R at which a wire leaning by beta touches both flanks.
Fit FitAt(const Seat& c, const HelicoidForm& f, ld beta, ld R) {
    const ld a1 = f.flank1, a2 = f.flank2;
    const ld halfPitch = static_cast<ld>(f.pitch) / 2;
    // The touching points of a wire square to the axis: the flank normals.
    const ld phi1 = -std::numbers::pi_v<ld> / 2 - a1;
    const ld phi2 = std::numbers::pi_v<ld> / 2 + a2;
    Fit fit;
    for (int i = 0; i < 60; ++i) {
        const Touch t1 = Extreme(c, R, beta, std::tan(a1), phi1);
        const Touch t2 = Extreme(c, R, beta, -std::tan(a2), phi2);
        if (!t1.ok || !t2.ok) return fit;
        const ld w = t1.g - t2.g - halfPitch;
        const ld slope = t1.dR - t2.dR;
        if (!(slope < 0)) return fit;
        const ld step = w / slope;
        R -= step;
        fit.lean = t1.dBeta - t2.dBeta;
        if (!(R > 0)) return fit;
        if (std::fabs(step) <= 1e-16L * c.rp) {
            fit.R = R;
            fit.ok = true;
            return fit;
        }
    }
    return fit;
}

} // namespace

std::optional<double> ExactWireReading(const HelicoidForm& form, double pd, double wire) {
    const ld pi = std::numbers::pi_v<ld>;
    const ld a1 = form.flank1, a2 = form.flank2;
    if (!(pd > 0) || !(wire > 0) || !(form.pitch > 0) || !(form.lead >= 0) ||
        !(a1 >= 0 && a1 < pi / 2) || !(a2 >= 0 && a2 < pi / 2) || !(a1 + a2 > 0) ||
        !std::isfinite(pd) || !std::isfinite(wire) || !std::isfinite(form.lead))
        return std::nullopt;
    const Seat c{static_cast<ld>(wire) / 2, static_cast<ld>(pd) / 2,
                 static_cast<ld>(form.lead) / (2 * pi)};
    // The seat without lead: the wire's centre where the two flank lines, moved
    // out by its radius, meet.
    const ld t1 = std::tan(a1), t2 = std::tan(a2);
    ld R = c.rp + (c.rho * (1 / std::cos(a1) + 1 / std::cos(a2)) - form.pitch / 2.0L) / (t1 + t2);
    if (!(R > c.rho)) return std::nullopt;
    if (form.lead == 0) return static_cast<double>(2 * R + 2 * c.rho);
    // The lean that brings the wire nearest the axis: the derivative of g1 - g2
    // by beta vanishes there. Secant steps from the helix angle at R; a steep
    // lead seats the wire higher, at a smaller lean, so a lean at which no wire
    // can touch both flanks is stepped back from.
    ld b0 = std::atan(c.k / R);
    Fit f0 = FitAt(c, form, b0, R);
    for (int i = 0; i < 30 && !f0.ok; ++i)
        f0 = FitAt(c, form, b0 *= 0.9L, R);
    if (!f0.ok) return std::nullopt;
    ld b1 = b0 * (1 - 1e-3L);
    Fit f1 = FitAt(c, form, b1, f0.R);
    if (!f1.ok) return std::nullopt;
    for (int i = 0; i < 60 && std::fabs(b1 - b0) > 1e-15L && f1.lean != f0.lean; ++i) {
        ld b2 = b1 - f1.lean * (b1 - b0) / (f1.lean - f0.lean);
        if (!std::isfinite(b2)) return std::nullopt;
        Fit f2 = FitAt(c, form, b2, f1.R);
        for (int j = 0; j < 40 && !f2.ok; ++j)
            f2 = FitAt(c, form, b2 = (b1 + b2) / 2, f1.R);
        if (!f2.ok) return std::nullopt;
        b0 = b1;
        f0 = f1;
        b1 = b2;
        f1 = f2;
    }
    if (std::fabs(f1.lean) > 1e-9L * c.rp) return std::nullopt;
    return static_cast<double>(2 * f1.R + 2 * c.rho);
}

std::optional<double> ExactPDFromReading(const HelicoidForm& form, double reading, double wire) {
    if (!std::isfinite(reading) || !(wire > 0)) return std::nullopt;
    // The reading is the pitch diameter plus a term that changes slowly with
    // it: secant steps from the diameter the reading gives without lead.
    HelicoidForm flat = form;
    flat.lead = 0;
    const auto atReading = ExactWireReading(flat, reading, wire);
    if (!atReading) return std::nullopt;
    ld e0 = reading - (*atReading - reading);
    if (!(e0 > 0)) return std::nullopt;
    auto miss = [&](ld e) -> std::optional<ld> {
        const auto m = ExactWireReading(form, static_cast<double>(e), wire);
        if (!m) return std::nullopt;
        return static_cast<ld>(*m) - reading;
    };
    auto m0 = miss(e0);
    if (!m0) return std::nullopt;
    ld e1 = e0 - *m0;
    for (int i = 0; i < 60; ++i) {
        if (!(e1 > 0)) return std::nullopt;
        const auto m1 = miss(e1);
        if (!m1) return std::nullopt;
        const ld slope = (*m1 - *m0) / (e1 - e0);
        // Past the least reading a smaller diameter reads more: no answer there.
        if (!(slope > 0)) return std::nullopt;
        const ld e2 = e1 - *m1 / slope;
        if (std::fabs(e2 - e1) <= 1e-15L * e1) return static_cast<double>(e2);
        e0 = e1;
        m0 = m1;
        e1 = e2;
    }
    return std::nullopt;
}
