#pragma once
// The maker's catalogue of contact points and thread rolls, and the point and
// roll gauge selection for the product threads of a calculation.

#include <cstdint>
#include <string>
#include <vector>

class TTInfo;

struct TPointRecord {
    int32_t Form =
        0; // 1: 29-degree, 2: 60- and 55-degree, 3: 7x45 buttress, 4: 30-degree trapezoidal
    double TPI = 0; // 30-degree trapezoidal: the pitch in millimetres
    std::string Number;
    double Dia = 0;    // inches
    double Offset = 0; // inches
};

struct TRollRecord {
    int32_t Code = 0; // thread-type key, see RollCodeOf
    double TPI = 0;   // metric: the pitch in millimetres
    std::string Number;
    double Constant = 0; // inches
};

struct TGageCatalogue {
    std::vector<TPointRecord> Points, SmallPoints;
    std::vector<TRollRecord> Rolls, SmallRolls, IntRolls, SmallIntRolls, VerySmallIntRolls;
};

// The seven catalogue file names, in load order.
const std::vector<std::string>& GageCatalogueFiles();

// One catalogue file's text parsed into records. A line that does not read,
// or a value outside its range, leaves that line out and adds
// "<fileName>:<line>: <problem>" to problems; the other lines are kept.
// Ranges: point form 1 to 4, roll code 1 to 9; threads per inch above 0 up to
// 200 (a pitch in mm, form 4 and codes 6 and 9, above 0 up to 50); a point
// diameter and a roll constant above 0 and below the pitch, a point offset of
// 0 or more below half the point diameter.
std::vector<TPointRecord> ParsePointLines(const std::string& text, const std::string& fileName,
                                          std::vector<std::string>& problems);
std::vector<TRollRecord> ParseRollLines(const std::string& text, const std::string& fileName,
                                        std::vector<std::string>& problems);

// Reads the seven files from the table data path. A file that is missing or
// cannot be read leaves its list as it was (empty at the first load) and adds
// one message; a line refused adds its own and the rest of its file loads.
// Returns the messages, empty when every line of every file loaded.
std::vector<std::string> LoadGageCatalogue();
// The lists in use. The first call for a table data path loads them.
const TGageCatalogue& GageCatalogue();
// The messages of the last load (empty: all seven files loaded).
const std::vector<std::string>& GageCatalogueMessages();

// The catalogue's keys, as its files number them. Point form: 1 29-degree
// (Acme, stub, SAM), 2 60- and 55-degree, 3 7x45 buttress, 4 30-degree.
// Roll code: 1 UN/UNR/UNJ, 2 Acme, 3 stub, 4 SAM 1, 5 SAM 2, 6 M/MJ,
// 7 55-degree, 8 buttress, 9 30-degree. Each 0 when the type has none; the
// thread type table holds them.
int32_t PointFormOf(uint16_t typeCode);
int32_t RollCodeOf(uint16_t typeCode);
// The 29-degree points, the only ones made for those threads.
inline constexpr int32_t kPointForm29Deg = 1;
// The one point form keyed by the pitch in millimetres.
inline constexpr int32_t kPointForm30Deg = 4;
// Equivalent threads per inch of a metric pitch (mm) for the point lookup; 0: none.
double EquivalentTPI(double pitchMm);

// Index in the internal-roll list of the mode (0: internal rolls, 1: small
// internal rolls, 2: very small internal rolls) of the roll that matches
// record `index` of the rolls (mode 0) or small rolls (modes 1, 2) list, or -1.
int FindInternalRoll(int mode, int index, double tpi);

// Chooses gauge models, contact point and roll for both product threads.
void SelectGageCatalogue(TTInfo& rec);
// The smallest threads the point and roll gauges set (nominal diameter, inches).
inline constexpr double kSmallestExtSetting = 0.25;
inline constexpr double kSmallestIntSetting = 0.312;
// Clears the setting values that do not apply to small threads.
void CleanUpGageCatalogue(TTInfo& rec);
// The V settings of the clean-up, for every member: none with a small gauge
// model, a very small internal one, or below zero. The calculation holds it
// again at its end, for the gauges formed after the clean-up.
void ClearVSettingsThatDoNotApply(TTInfo& rec);

// The catalogue points of the record's point form whose diameters lie within
// the external thread's wire range (inches, as "0.0289, 0.0300").
std::string TabledPointList(const TTInfo& rec);
