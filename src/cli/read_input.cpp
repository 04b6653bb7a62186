#include "cli/read_input.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tabula::cli {

namespace {

// Reads to the end; the error is errno's, or 0.
int ReadToEnd(int fd, std::string& bytes) {
    char chunk[1 << 16];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got > 0) {
            bytes.append(chunk, static_cast<std::size_t>(got));
        } else if (got == 0) {
            return 0;
        } else if (errno != EINTR) {
            return errno;
        }
    }
}

}  // namespace

CliInput ReadInput(const std::string& path) {
    CliInput input;
    const bool standard_input = path == "-";
    input.shown = standard_input ? "standard input" : path;
    const int fd =
        standard_input ? STDIN_FILENO : ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        input.error = std::strerror(errno);
        return input;
    }
    struct stat status {};
    int error = ::fstat(fd, &status) == 0 ? 0 : errno;
    if (error == 0 && S_ISDIR(status.st_mode)) {
        error = EISDIR;
    }
    if (error == 0 && (standard_input || !S_ISREG(status.st_mode))) {
        input.bytes.emplace();
        error = ReadToEnd(fd, *input.bytes);
    }
    if (!standard_input) {
        ::close(fd);
    }
    if (error != 0) {
        input.error = std::strerror(error);
        input.bytes.reset();
    }
    return input;
}

}  // namespace tabula::cli
