#pragma once
// A throw-away PostgreSQL cluster for one test program: initdb into a
// temporary folder, the server on a free loopback port, stopped when the
// object goes. The server is this process's own child with a parent-death
// signal, so a test program that crashes takes it along (pg_ctl would leave a
// daemon behind). The server refuses to run as root: as root the cluster
// belongs to the "postgres" user, or to "nobody" where there is none.

#include "register/sql_connection.h"
#include "support/test_support.h"

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include <csignal>
#include <fcntl.h>
#include <grp.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

class PgCluster {
public:
    PgCluster() : error_(Start()) {}
    ~PgCluster() {
        if (server_ <= 0) return;
        ::kill(server_, SIGINT); // fast shutdown
        ::waitpid(server_, &status_, 0);
    }
    PgCluster(const PgCluster&) = delete;
    PgCluster& operator=(const PgCluster&) = delete;

    // Empty when the server runs.
    const std::string& error() const { return error_; }
    // A new database of its own, for one test.
    std::string NewDatabase() {
        const std::string name = "register" + std::to_string(++databases_);
        OpenPostgres(uri_)->Script("CREATE DATABASE " + name);
        return uri_.substr(0, uri_.rfind('/') + 1) + name;
    }

private:
    std::string Start() {
        const std::string bin = PL_PG_BINDIR;
        if (bin.empty())
            return "no PostgreSQL server programs were found: run tools/install-deps.sh";
        const std::string home = dir_.file("pg");
        std::filesystem::create_directory(home);
        if (::geteuid() == 0) {
            const passwd* pw = ::getpwnam("postgres");
            if (!pw) pw = ::getpwnam("nobody");
            if (!pw || ::chown(home.c_str(), pw->pw_uid, pw->pw_gid) != 0)
                return "no user to run the server as";
            // Under a strict umask the temporary folder would shut the server out.
            std::filesystem::permissions(dir_.path(), std::filesystem::perms::others_exec,
                                         std::filesystem::perm_options::add);
            uid_ = pw->pw_uid;
            gid_ = pw->pw_gid;
        }
        log_ = home + "/log";
        // The C locale: the messages and collation of every test run alike.
        const pid_t initdb = Spawn({bin + "/initdb", "-D", home + "/data", "-U", "pl", "-A",
                                    "trust", "-E", "UTF8", "--no-locale", "--no-sync"},
                                   false);
        ::waitpid(initdb, &status_, 0);
        if (!WIFEXITED(status_) || WEXITSTATUS(status_) != 0) return Fail("initdb failed");
        // A port the kernel has just handed out and taken back is free.
        const int s = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{AF_INET, 0, {htonl(INADDR_LOOPBACK)}, {}};
        socklen_t n = sizeof a;
        ::bind(s, reinterpret_cast<sockaddr*>(&a), n);
        ::getsockname(s, reinterpret_cast<sockaddr*>(&a), &n);
        ::close(s);
        const int port = ntohs(a.sin_port);
        server_ = Spawn({bin + "/postgres", "-D", home + "/data", "-p", std::to_string(port), "-h",
                         "127.0.0.1", "-k", home, "-c", "max_connections=40", "-c",
                         "shared_buffers=16MB"},
                        true);
        uri_ = "postgresql://pl@127.0.0.1:" + std::to_string(port) + "/postgres";
        for (int i = 0; i < 300; ++i) {
            if (::waitpid(server_, &status_, WNOHANG) == server_) {
                server_ = -1;
                return Fail("the server stopped");
            }
            try {
                OpenPostgres(uri_);
                return {};
            } catch (const SqlError&) {
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
            }
        }
        return Fail("the server did not start within 30 s");
    }

    pid_t Spawn(const std::vector<std::string>& args, bool dieWithParent) {
        const pid_t parent = ::getpid();
        const pid_t pid = ::fork();
        if (pid != 0) return pid;
        if (uid_ != 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(gid_) != 0 || ::setuid(uid_) != 0))
            ::_exit(126);
        // Set after the change of user, which clears it.
        if (dieWithParent && (::prctl(PR_SET_PDEATHSIG, SIGINT) != 0 || ::getppid() != parent))
            ::_exit(125);
        const int log = ::open(log_.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
        ::dup2(log, 1);
        ::dup2(log, 2);
        std::vector<char*> argv;
        for (const std::string& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }

    std::string Fail(const std::string& why) const { return why + ":\n" + ReadTextFile(log_); }

    TempDir dir_;
    uid_t uid_ = 0;
    gid_t gid_ = 0;
    std::string log_, uri_;
    pid_t server_ = -1;
    int status_ = 0;
    int databases_ = 0;
    std::string error_; // last: Start() sets up the members above
};
