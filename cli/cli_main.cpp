#include "cli/cli_main.h"

#include "cli/run_cli.h"

#include <cerrno>
#include <fcntl.h>
#include <iostream>
#include <locale.h>
#include <streambuf>
#include <string.h>
#include <unistd.h>
#include <vector>

namespace {

// Standard output that remembers why a write failed, so a full disk or a
// closed output is an error and not a silent exit 0.
class OutputBuffer : public std::streambuf {
public:
    OutputBuffer() { setp(buffer_, buffer_ + sizeof buffer_); }
    int error() const { return error_; }

protected:
    int_type overflow(int_type c) override {
        if (!Drain()) return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    int sync() override { return Drain() ? 0 : -1; }

private:
    bool Drain() {
        for (char* p = pbase(); p < pptr() && error_ == 0;) {
            const ssize_t n = ::write(STDOUT_FILENO, p, static_cast<std::size_t>(pptr() - p));
            if (n < 0 && errno == EINTR) continue;
            if (n < 0)
                error_ = errno;
            else
                p += n;
        }
        setp(buffer_, buffer_ + sizeof buffer_);
        return error_ == 0;
    }

    char buffer_[8192];
    int error_ = 0;
};

} // namespace

// A closed standard stream would be taken by the next file opened, and the
// pages written into it; a read-only /dev/null holds its place and makes the
// writes fail as they would on the closed stream.
void HoldStandardStreams() {
    for (int fd = 0; fd <= 2; ++fd)
        if (::fcntl(fd, F_GETFD) < 0 && errno == EBADF) ::open("/dev/null", O_RDONLY);
}

int CliMain(int argc, char** argv) {
    OutputBuffer buffer;
    std::ostream out(&buffer);
    int code = runCli(std::vector<std::string>(argv + 1, argv + argc), out, std::cerr);
    out.flush();
    // English, as every message; a report may have set the user's locale.
    if (buffer.error() != 0) {
        const locale_t c = ::newlocale(LC_ALL_MASK, "C", locale_t{});
        std::cerr << "plcalc: cannot write the output: " << ::strerror_l(buffer.error(), c) << '\n';
        code = kExitFileError;
    }
    return code;
}
