#pragma once
// The reading over three wires from the exact geometry of the thread: each wire
// a straight cylinder seated on both flanks of the helicoid, instead of the
// series term for the lead angle that the standard reading formula carries.
// Lengths in any one unit (inches or millimetres), angles in radians.

#include <optional>

// A straight-flanked thread form as an axial section shows it: the groove is
// half a pitch wide at the pitch diameter, each flank at its angle to the
// radial line; the lead is the pitch times the number of starts.
struct HelicoidForm {
    double pitch = 0;
    double lead = 0;
    double flank1 = 0; // radians: the half angle of a symmetric thread
    double flank2 = 0;
};

// The distance over three wires of diameter `wire` seated on both flanks of
// the helicoid of pitch diameter `pd`: twice the distance of a wire's axis
// from the thread's axis, plus one wire. Each wire lies where it sinks deepest,
// its axis square to the radius through it and leaning with the helix by the
// angle that brings it nearest the thread's axis. Solved to better than 1e-12
// of the diameter; nullopt for what is no thread form (sizes not above 0, a
// flank not between 0 and 90 degrees) or a lead so steep that no seat is found.
std::optional<double> ExactWireReading(const HelicoidForm& form, double pd, double wire);

// The pitch diameter at which ExactWireReading gives `reading`; nullopt when
// none does.
std::optional<double> ExactPDFromReading(const HelicoidForm& form, double reading, double wire);
