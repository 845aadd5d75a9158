#include "core/settings.h"

#include "core/atomic_file.h"
#include "core/ini_file.h"
#include "core/number_text.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include <pwd.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string WithSlash(std::string dir) {
    if (dir.empty() || dir.back() != '/') dir += '/';
    return dir;
}

std::string HomeDir() {
    const char* home = std::getenv("HOME");
    if (home && *home) return home;
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) return pw->pw_dir;
    return ".";
}

// A file that could not be read is not replaced by the few keys written here;
// one no save may replace anyway is refused with the save's own reason.
bool SaveReadable(const IniFile& ini, std::string& error) {
    std::string target;
    if (!ini.loadError().empty() && ResolveSaveTarget(ini.path(), target) == 0) {
        error = "Cannot write " + ini.path() + ": it could not be read (" + ini.loadError() + ")";
        return false;
    }
    return ini.Save(&error);
}

const char* const kPreferences = "PREFERENCES";
const char* const kRecent = "RECENT";

std::string RecentKey(std::size_t i) {
    return "File" + std::to_string(i + 1);
}

void ReadPreferences(AppSettings& s, const IniFile& plwin) {
    s.NewInchThreadsInMm = LowerCase(plwin.ReadString(kPreferences, "NewInchUnit", "")) == "mm";
    s.Paper = PaperNamed(plwin.ReadString(kPreferences, "Paper", ""));
    s.WireReadings = LowerCase(plwin.ReadString(kPreferences, "WireReadings", "")) == "exact"
                         ? WireHelix::Exact
                         : WireHelix::Standard;
    s.RecentFiles.clear();
    for (std::size_t i = 0; i < kMaxRecentFiles; ++i)
        if (std::string f = plwin.ReadString(kRecent, RecentKey(i), ""); !f.empty())
            s.RecentFiles.push_back(std::move(f));
}

void WritePreferences(const AppSettings& s, IniFile& plwin) {
    plwin.WriteString(kPreferences, "NewInchUnit", s.NewInchThreadsInMm ? "mm" : "inch");
    // Not chosen yet stays so: the window's default follows the desktop.
    if (s.Paper) plwin.WriteString(kPreferences, "Paper", PaperName(*s.Paper));
    plwin.WriteString(kPreferences, "WireReadings",
                      s.WireReadings == WireHelix::Exact ? "Exact" : "Standard");
    for (std::size_t i = 0; i < kMaxRecentFiles; ++i)
        plwin.WriteString(kRecent, RecentKey(i), i < s.RecentFiles.size() ? s.RecentFiles[i] : "");
}

} // namespace

void AddRecentFile(AppSettings& s, const std::string& path) {
    DropRecentFile(s, path);
    s.RecentFiles.insert(s.RecentFiles.begin(), path);
    if (s.RecentFiles.size() > kMaxRecentFiles) s.RecentFiles.resize(kMaxRecentFiles);
}

void DropRecentFile(AppSettings& s, const std::string& path) {
    std::erase(s.RecentFiles, path);
}

const char* PaperName(PaperSize paper) {
    return paper == PaperSize::A4 ? "A4" : "Letter";
}

std::optional<PaperSize> PaperNamed(const std::string& name) {
    const std::string n = LowerCase(Trim(name));
    if (n == "letter") return PaperSize::Letter;
    if (n == "a4") return PaperSize::A4;
    return std::nullopt;
}

AppSettings& Settings() {
    // Tools that never read the INI files still find the tables beside the executable.
    static AppSettings settings = [] {
        AppSettings s;
        s.MainPath = ProgramDir();
        s.TableDataPath = DefaultTableDataPath(s.MainPath);
        return s;
    }();
    return settings;
}

std::string ProgramDir() {
    // Without /proc (a chroot, a container) the program is found as it was started.
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    const char* path = std::getenv("PATH");
    return ProgramDirOf(ec ? std::string() : exe.string(), program_invocation_name,
                        path ? path : "", PL_INSTALL_BIN_DIR);
}

std::string ProgramDirOf(const std::string& selfExe, const std::string& argv0,
                         const std::string& pathList, const std::string& installedBin) {
    if (!selfExe.empty()) return WithSlash(fs::path(selfExe).parent_path().string());
    std::error_code ec;
    // The real file, as /proc/self/exe names it, not the link a shell started.
    const auto folderOf = [&](const fs::path& file) -> std::string {
        if (!fs::is_regular_file(file, ec) || ::access(file.c_str(), X_OK) != 0) return {};
        const fs::path real = fs::canonical(file, ec);
        return ec ? std::string() : WithSlash(real.parent_path().string());
    };
    std::string found;
    if (argv0.find('/') != std::string::npos) {
        found = folderOf(argv0);
    } else if (!argv0.empty()) {
        // A bare name was found on PATH, as the shell found it (an empty entry is the
        // current folder).
        for (std::size_t at = 0; found.empty() && at <= pathList.size();) {
            const std::size_t end = std::min(pathList.find(':', at), pathList.size());
            const std::string dir = pathList.substr(at, end - at);
            found = folderOf(fs::path(dir.empty() ? "." : dir) / argv0);
            at = end + 1;
        }
    }
    if (!found.empty()) return found;
    if (!installedBin.empty()) return WithSlash(installedBin);
    const fs::path cwd = fs::current_path(ec);
    return ec ? std::string("./") : WithSlash(cwd.string());
}

std::string UserConfigDir() {
    // XDG: a relative XDG_CONFIG_HOME is invalid and must be ignored.
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const std::string base = (xdg && xdg[0] == '/') ? std::string(xdg) : HomeDir() + "/.config";
    return WithSlash(base) + "PitchLedger/";
}

std::string UserDataDir() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    const std::string base =
        (xdg && xdg[0] == '/') ? std::string(xdg) : HomeDir() + "/.local/share";
    return WithSlash(base) + "PitchLedger/";
}

std::string InstalledDataDir(const std::string& programDir) {
    // <prefix>/bin/plwin and <prefix>/libexec/pitchledger/<helper> share one data folder.
    std::error_code ec;
    for (const char* up : {"../", "../../"}) {
        const fs::path dir = fs::path(programDir + up + "share/pitchledger").lexically_normal();
        if (fs::is_directory(dir, ec)) return WithSlash(dir.string());
    }
    return {};
}

std::string FindDataPath(const std::string& programDir, const std::string& name) {
    std::error_code ec;
    if (fs::exists(programDir + name, ec)) return programDir + name;
    const std::string installed = InstalledDataDir(programDir);
    if (!installed.empty() && fs::exists(installed + name, ec)) return installed + name;
    return {};
}

std::string PlwinIniPath(const std::string& programDir, const std::string& configDir) {
    // An installed program directory is shared (and root may write to it anyway);
    // the window positions belong to the user.
    if (InstalledDataDir(programDir).empty() && ::access(programDir.c_str(), W_OK) == 0)
        return programDir + "PLWIN.INI";
    return configDir + "PLWIN.INI";
}

std::string PluserIniPath(const std::string& configDir) {
    return configDir + "PLUSER.INI";
}

std::string DefaultTableDataPath(const std::string& programDir) {
    const std::string found = FindDataPath(programDir, "Tables");
    // Nothing found: the messages of the table readers then name the folder beside the program.
    return found.empty() ? programDir + "Tables" : found;
}

std::string ReadSettings(AppSettings& s, const std::string& plwinIni, const std::string& pluserIni,
                         const std::string& programDir) {
    const IniFile plwin(plwinIni);
    s.CompanyName = plwin.ReadString("MAIN", "Company", "");
    ReadPreferences(s, plwin);
    const IniFile pluser(pluserIni);
    s.MainPath = pluser.ReadString("MAIN", "ThdMainPath", programDir);
    s.TableDataPath = pluser.ReadString("MAIN", "ThdTableData", DefaultTableDataPath(programDir));
    s.RegisterDatabase = Trim(pluser.ReadString("REGISTER", "Register", ""));
    std::string error = plwin.loadError();
    // One file under both names reads the same way twice.
    if (!pluser.loadError().empty() && pluser.loadError() != error)
        error += (error.empty() ? "" : "\n") + pluser.loadError();
    return error;
}

bool WriteSettings(const AppSettings& s, const std::string& plwinIni, const std::string& pluserIni,
                   std::string* error) {
    IniFile plwin(plwinIni);
    plwin.WriteString("MAIN", "Company", s.CompanyName);
    WritePreferences(s, plwin);
    std::string plwinError;
    const bool plwinSaved = SaveReadable(plwin, plwinError);
    IniFile pluser(pluserIni);
    pluser.WriteString("MAIN", "ThdMainPath", s.MainPath);
    pluser.WriteString("MAIN", "ThdTableData", s.TableDataPath);
    // A file that never named a register gains no empty key.
    if (!s.RegisterDatabase.empty() || pluser.HasKey("REGISTER", "Register"))
        pluser.WriteString("REGISTER", "Register", s.RegisterDatabase);
    std::string pluserError;
    const bool pluserSaved = SaveReadable(pluser, pluserError);
    if (error) *error = plwinError + (plwinSaved || pluserSaved ? "" : "\n") + pluserError;
    return plwinSaved && pluserSaved;
}

std::string ReadSettings() {
    const std::string programDir = ProgramDir();
    const std::string configDir = UserConfigDir();
    return ReadSettings(Settings(), PlwinIniPath(programDir, configDir), PluserIniPath(configDir),
                        programDir);
}

bool WriteSettings(std::string* error) {
    const std::string programDir = ProgramDir();
    const std::string configDir = UserConfigDir();
    return WriteSettings(Settings(), PlwinIniPath(programDir, configDir), PluserIniPath(configDir),
                         error);
}
