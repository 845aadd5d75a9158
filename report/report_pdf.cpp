#include "report/report_pdf.h"

#include "core/atomic_file.h"
#include "report/report_page.h"
#include "report/report_works.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <locale.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The program's messages are English; the GUI application sets the user's
// locale, which would translate the system's reasons.
std::string ErrorText(int error) {
    static const locale_t c = ::newlocale(LC_ALL_MASK, "C", locale_t{});
    return ::strerror_l(error, c);
}

// Qt's PDF writer does not report a failed write, so the file is judged by
// itself: a write lost midway leaves no end line, or a cross-reference table
// away from where the trailer says it is.
bool WholePdf(const std::string& bytes) {
    if (bytes.rfind("%PDF-", 0) != 0) return false;
    std::size_t end = bytes.find_last_not_of("\r\n");
    if (end == std::string::npos || end < 4 || bytes.compare(end - 4, 5, "%%EOF") != 0)
        return false;
    const std::size_t at = bytes.rfind("startxref");
    if (at == std::string::npos) return false;
    char* stop = nullptr;
    const unsigned long long offset = std::strtoull(bytes.c_str() + at + 9, &stop, 10);
    return stop != bytes.c_str() + at + 9 && offset < at && bytes.compare(offset, 4, "xref") == 0;
}

bool ReadAll(int fd, std::string& bytes) {
    char buf[65536];
    for (off_t at = 0;;) {
        const ssize_t n = ::pread(fd, buf, sizeof buf, at);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) return true;
        bytes.append(buf, static_cast<std::size_t>(n));
        at += n;
    }
}

} // namespace

bool WritePdfFile(const QString& fileName, const std::function<bool(const QString&)>& render,
                  std::string* error) {
    const auto fail = [&](const std::string& reason) {
        if (error) *error = reason;
        return false;
    };
    // Through a symbolic link to its target; a file the user may not write is refused.
    std::string target;
    if (const int refused = ResolveSaveTarget(fileName.toStdString(), target); refused != 0)
        return fail(refused == EISDIR || refused == kNotRegularFileError ? "not a regular file"
                                                                         : ErrorText(refused));
    struct stat st;
    const bool exists = ::stat(target.c_str(), &st) == 0;

    std::string temp;
    const int fd = CreateTempBeside(target, O_RDONLY, temp);
    if (fd < 0) return fail(ErrorText(errno));
    if (exists) ::fchmod(fd, st.st_mode & 07777);

    std::string reason;
    std::string bytes;
    if (!render(QString::fromStdString(temp)))
        reason = "the report could not be written";
    else if (!ReadAll(fd, bytes))
        reason = ErrorText(errno);
    else if (!WholePdf(bytes))
        reason = "the file was not written whole (is the disk full?)";
    else if (::fsync(fd) != 0)
        reason = ErrorText(errno);
    if (::close(fd) != 0 && reason.empty()) reason = ErrorText(errno);
    if (reason.empty() && ::rename(temp.c_str(), target.c_str()) != 0) reason = ErrorText(errno);
    if (!reason.empty()) {
        ::unlink(temp.c_str());
        return fail(reason);
    }
    return true;
}

bool WriteEnginePdf(const QString& fileName, const std::function<bool(TReportWorks&)>& print,
                    std::string* error) {
    return WritePdfFile(
        fileName,
        [&](const QString& file) {
            TPdfTarget pdf;
            TReportWorks rpt;
            rpt.SetPrintTarget(&pdf);
            rpt.SetDestination(dFile);
            rpt.SetFileName(file);
            SetupReportPage(rpt);
            return print(rpt) && !rpt.JobFailed();
        },
        error);
}

bool WriteReportPdf(TReportJob job, const QString& fileName, std::string* error) {
    return WriteEnginePdf(
        fileName, [&](TReportWorks& rpt) { return PrintReport(rpt, job); }, error);
}
