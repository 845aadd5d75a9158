#pragma once
// The ball micrometer (model HB-5000): its setting dimension and the distance
// over the gauge ball for a taper plug or a tapered bore, and the .bm file
// that keeps one calculation.

#include <string>

// Inspection plane and the given diameter.
constexpr int kBallMicAtGagePlane = 1;   // inspect at the gauge plane
constexpr int kBallMicPlaneDiaGiven = 2; // other plane, gauge plane diameter given
constexpr int kBallMicApexDiaGiven = 3;  // other plane, apex diameter given

class TBallMic {
public:
    // Inputs. Lengths in the unit the user types; Angle is the half angle of
    // the taper from the centreline, degrees.
    double Angle = 0;
    double BallDia = 0;
    double PlaneDia = 0;
    double PlaneDis = -1;
    double ApexDia = 0;
    // An input of methods 2 and 3; method 1 computes it.
    double BallDis = -1;
    int Internal = 0; // -1 a bore, 0 a plug
    int CalcMethod = 0;

    // Results of Calculate.
    double BallRad = 0;
    double DisToCenter = 0; // distance to the ball's centre line
    double InspDia = 0;     // diameter at the inspection plane (methods 2, 3)
    double RCos = 0;
    double RSin = 0;
    double SetDim = 0;

    // A method other than 1 to 3 leaves the results as they were.
    void Calculate();
    // Reads every key (a missing one takes its default), then calculates.
    // False with a message naming the file when it cannot be read.
    bool Load(const std::string& fileName, std::string* error = nullptr);
    // Written beside and renamed over the file; the folder must exist.
    bool Save(const std::string& fileName, std::string* error = nullptr) const;
};

// True when one of the file's section names is "ballmic" (blanks and case
// aside); false for a file that cannot be read.
bool IsBallMicFile(const std::string& fileName);

// Why the entries of the method cannot be calculated, or empty: each one the
// method uses must be greater than 0, and a taper's half angle below 90 degrees.
std::string BallMicEntryProblem(const TBallMic& bm);
inline const char* const kBallMicIncomplete = "Must complete the dialog box before continueing";
inline const char* const kBallMicAngleLimit =
    "The half angle must be less than 90 degrees: it is measured from the centerline";
