#include "formats/atomicfile.h"

#include "formats/messagetext.h"
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool writeAllBytes(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(wrote);
    }
    return true;
}

// Keeps the mode of the file being replaced; a new file gets rw-r--r--.
mode_t modeFor(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode))
        return info.st_mode & 07777;
    return 0644;
}

} // namespace

bool replaceFileContents(const std::string& requestedPath, const std::string& bytes,
                         std::string& error) {
    // A link is kept and the file it names replaced; a device or directory never is.
    if (requestedPath.find('\0') != std::string::npos) {
        error = MessageText("AtomicFile", "le nom du fichier contient un octet nul");
        return false;
    }
    std::string path = requestedPath;
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) {
        if (!S_ISREG(info.st_mode)) {
            error = MessageText("AtomicFile", "ce n'est pas un fichier ordinaire");
            return false;
        }
        char resolved[PATH_MAX];
        if (::realpath(path.c_str(), resolved) != nullptr)
            path = resolved;
    }
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    bool ok = writeAllBytes(fd, bytes) && ::fchmod(fd, modeFor(path)) == 0 && ::fsync(fd) == 0;
    const int savedErrno = errno;
    ok = (::close(fd) == 0) && ok;
    if (ok && std::rename(temp.c_str(), path.c_str()) == 0)
        return true;
    error = std::strerror(ok ? errno : savedErrno);
    std::remove(temp.c_str());
    return false;
}
