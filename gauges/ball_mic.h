#pragma once
// The ball micrometer (model HB-5000): its setting dimension and the distance
// over the gauge ball for a taper plug or a tapered bore, and the .bm file
// that keeps one calculation.

#include <string>
#include <vector>

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
    // LoadBallMicFile; false with its message unless the file was loaded.
    bool Load(const std::string& fileName, std::string* error = nullptr);
    // Written beside and renamed over the file; the folder must exist.
    bool Save(const std::string& fileName, std::string* error = nullptr) const;
};

// True when one of the file's section names is "ballmic" (blanks and case
// aside); false for a file that cannot be read.
bool IsBallMicFile(const std::string& fileName);

enum class BallMicFileStatus {
    Loaded,
    FileError,  // missing or unreadable: the reason, naming the file
    NotBallMic, // no [BALLMIC] section: "<name> is not a ball micrometer file: ..."
    Refused,    // a key the method needs is missing ("<name> is not a complete ball
                // micrometer file: no ApexDia"), or BallMicEntryProblem's message
};
// Reads every key (a missing one the method does not use takes its default),
// checks what was read as the dialog checks typed values, then calculates.
// The message of a status other than Loaded goes to error.
BallMicFileStatus LoadBallMicFile(TBallMic& bm, const std::string& fileName,
                                  std::string* error = nullptr);
// The file's keys the method's calculation reads ("Angle", "BallDia" ...).
std::vector<std::string> BallMicKeysUsed(int method);

// Why the inputs cannot be calculated, or empty: the method is 1, 2 or 3;
// each entry it uses is a finite number above 0; a taper's half angle is
// below 90 degrees; and the results (setting dimension, distance over the
// ball, diameter at the inspection plane) come out above 0.
std::string BallMicEntryProblem(const TBallMic& bm);
inline const char* const kBallMicIncomplete = "Must complete the dialog box before continueing";
inline const char* const kBallMicAngleLimit =
    "The half angle must be less than 90 degrees: it is measured from the centerline";
inline const char* const kBallMicMethod =
    "The calculation method must be 1 (at the gauge plane), 2 (gauge plane diameter given) or "
    "3 (apex diameter given)";
inline const char* const kBallMicNoSetting =
    "Can not calculate: these values give a setting dimension of 0 or less";
inline const char* const kBallMicNoPlane =
    "Can not calculate: these values give a diameter at the inspection plane of 0 or less";
