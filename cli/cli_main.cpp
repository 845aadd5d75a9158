#include "cli/cli_main.h"

#include "cli/batch.h"
#include "cli/options.h"
#include "cli/run_cli.h"

#include <cerrno>
#include <fcntl.h>
#include <iostream>
#include <locale.h>
#include <streambuf>
#include <string.h>
#include <string>
#include <string_view>
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

    char buffer_[65536];
    int error_ = 0;
};

// Standard error, where every message line names the program: "plcalc: ...".
// Lines that already do, the usage lines and kTryHelp go as they are; a line
// ending in a carriage return (the batch's progress) is a line too.
class MessageBuffer : public std::streambuf {
public:
    explicit MessageBuffer(std::streambuf* to) : to_(to) {}
    ~MessageBuffer() override { Emit(); }

protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        line_ += traits_type::to_char_type(c);
        if (line_.back() == '\n' || line_.back() == '\r') Emit();
        return c;
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        for (std::streamsize i = 0; i < n; ++i)
            overflow(traits_type::to_int_type(s[i]));
        return n;
    }
    int sync() override {
        // The batch's progress stays on its line until it is overwritten; it
        // and the terminal control that clears it are shown when flushed.
        if (!line_.empty() && (line_[0] == '\r' || line_.find('\033') != line_.npos)) Emit();
        return to_->pubsync();
    }

private:
    void Emit() {
        if (line_.empty()) return;
        const std::string_view l = line_;
        const bool named = l.starts_with("plcalc: ") || l.starts_with("Usage: ") ||
                           l.starts_with(' ') || l.starts_with(kTryHelp) || l.starts_with('\r') ||
                           l.starts_with('\033') || l == "\n";
        if (!named) to_->sputn("plcalc: ", 8);
        to_->sputn(line_.data(), static_cast<std::streamsize>(line_.size()));
        to_->pubsync();
        line_.clear();
    }

    std::streambuf* to_;
    std::string line_;
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
    // Also what the report writers say on std::cerr.
    MessageBuffer messages(std::cerr.rdbuf());
    std::streambuf* const saved = std::cerr.rdbuf(&messages);
    SetBatchOutputDescriptor(STDOUT_FILENO);
    int code = runCli(std::vector<std::string>(argv + 1, argv + argc), out, std::cerr);
    out.flush();
    std::cerr.flush();
    std::cerr.rdbuf(saved);
    // English, as every message; a report may have set the user's locale.
    if (buffer.error() != 0) {
        const locale_t c = ::newlocale(LC_ALL_MASK, "C", locale_t{});
        std::cerr << "plcalc: cannot write the output: " << ::strerror_l(buffer.error(), c) << '\n';
        code = kExitFileError;
    }
    return code;
}
