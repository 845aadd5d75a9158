#pragma once
// The user settings and where they live: PLWIN.INI (company name, window
// positions, preferences, recent files) and PLUSER.INI (main path, table data
// path).

#include "core/thread_record.h"

#include <optional>
#include <string>
#include <vector>

enum class PaperSize : uint8_t { Letter, A4 };

struct AppSettings {
    std::string CompanyName;
    std::string MainPath;
    std::string TableDataPath;
    // The preferences of PLWIN.INI [PREFERENCES]: the display unit of a new
    // inch thread, the paper of reports (none until chosen: the window then
    // takes the desktop's, plcalc Letter), how wire readings are calculated.
    bool NewInchThreadsInMm = false;
    std::optional<PaperSize> Paper;
    WireHelix WireReadings = WireHelix::Standard;
    // The gauge register of PLUSER.INI [REGISTER] Register: empty for the
    // default SQLite file, a server's postgresql:// connection string, or the
    // path of another SQLite file.
    std::string RegisterDatabase;
    // The thread and ball micrometer files last opened or saved, newest first.
    std::vector<std::string> RecentFiles;
};

inline constexpr std::size_t kMaxRecentFiles = 8;
// The file goes to the top of the list, which keeps kMaxRecentFiles.
void AddRecentFile(AppSettings& s, const std::string& path);
void DropRecentFile(AppSettings& s, const std::string& path);
// "Letter" / "A4"; the reading takes any case and gives nothing for another text.
const char* PaperName(PaperSize paper);
std::optional<PaperSize> PaperNamed(const std::string& name);

// Process-wide settings, read once at start-up.
AppSettings& Settings();

// Directory of the running executable, with a trailing separator.
std::string ProgramDir();
// The same from what is known of it: the target of /proc/self/exe (empty
// without /proc), else argv[0] (a bare name looked up on PATH), else the
// installed bin folder, else the current folder.
std::string ProgramDirOf(const std::string& selfExe, const std::string& argv0,
                         const std::string& pathList, const std::string& installedBin);
// $XDG_CONFIG_HOME/PitchLedger/ (default ~/.config/PitchLedger/), trailing separator.
std::string UserConfigDir();
// $XDG_DATA_HOME/PitchLedger/ (default ~/.local/share/PitchLedger/), trailing separator.
std::string UserDataDir();
// <prefix>/share/pitchledger/ for a program installed in <prefix>/bin or
// <prefix>/libexec/pitchledger; empty when the program is not installed.
std::string InstalledDataDir(const std::string& programDir);
// programDir + name when it exists (the build tree), else the installed
// data folder's name when that exists, else empty.
std::string FindDataPath(const std::string& programDir, const std::string& name);
// PLWIN.INI in the program directory, or in the user configuration directory
// when the program is installed or its directory is not writable.
std::string PlwinIniPath(const std::string& programDir, const std::string& configDir);
std::string PluserIniPath(const std::string& configDir);
// FindDataPath(programDir, "Tables"), or programDir + "Tables" when there is none.
std::string DefaultTableDataPath(const std::string& programDir);

// Read and write the three settings with the defaults of a first run. A file
// that is there but cannot be read (a folder, a FIFO, one over the size limit)
// leaves the defaults of its settings in place: the reason, naming the file
// ("Not a regular file: PATH"), is returned for the caller to report; empty
// when both files were read or are missing.
std::string ReadSettings(AppSettings& s, const std::string& plwinIni, const std::string& pluserIni,
                         const std::string& programDir);
// Writes both files, each whole or not at all; false with the reason of each
// file that could not be written, naming it. A file that exists but cannot be
// read is not written over: what it held would be lost.
bool WriteSettings(const AppSettings& s, const std::string& plwinIni, const std::string& pluserIni,
                   std::string* error = nullptr);
// ReadSettings and WriteSettings on the standard locations of this program.
std::string ReadSettings();
bool WriteSettings(std::string* error = nullptr);
