// A file written whole through a temporary one beside it, then renamed.
#include "plot/savefile.h"

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace veltaro::plot {

namespace {

// Longest part of the chosen name kept in the temporary one, so that the
// temporary name stays within a file system's 255 bytes when the chosen one does.
constexpr std::size_t kTempNameKept = 200;

/// Closes a descriptor on every path out.
struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
};

SaveResult failure(SaveProblem problem, int error) {
    return {problem, error};
}

/// Every byte of `bytes` to `fd`; false with errno set when the system took fewer.
bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            if (n == 0) {
                errno = EIO;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

} // namespace

SaveResult saveFile(const std::string& path, std::string_view bytes) {
    if (path.empty() || path.find('\0') != std::string::npos) {
        return failure(SaveProblem::CannotCreate, path.empty() ? ENOENT : EINVAL);
    }
    mode_t mode = 0666; // less the umask, which open applies
    bool replacing = false;
    struct stat standing {};
    if (::lstat(path.c_str(), &standing) == 0) {
        if (S_ISDIR(standing.st_mode)) {
            return failure(SaveProblem::IsFolder, 0);
        }
        if (S_ISLNK(standing.st_mode)) {
            return failure(SaveProblem::IsLink, 0);
        }
        if (!S_ISREG(standing.st_mode)) {
            return failure(SaveProblem::NotRegular, 0);
        }
        mode = standing.st_mode & 07777;
        replacing = true;
    } else if (errno != ENOENT) {
        return failure(SaveProblem::CannotCreate, errno);
    }
    if (!path.empty() && path.back() == '/') {
        return failure(SaveProblem::IsFolder, 0);
    }

    const std::size_t slash = path.rfind('/');
    const std::string folder =
        slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    std::random_device seed;
    std::mt19937_64 random(seed());
    std::string temp;
    Descriptor file;
    for (int attempt = 0; file.fd < 0; ++attempt) {
        temp = folder + "." + name.substr(0, kTempNameKept) + "." +
               std::to_string(random() % 1000000000);
        file.fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (file.fd < 0 && (errno != EEXIST || attempt == 100)) {
            return failure(SaveProblem::CannotCreate, errno);
        }
    }
    auto abandon = [&temp](int error) {
        ::unlink(temp.c_str());
        return failure(SaveProblem::CannotWrite, error);
    };
    if (replacing && ::fchmod(file.fd, mode) != 0) {
        return abandon(errno);
    }
    if (!writeAll(file.fd, bytes) || ::fsync(file.fd) != 0) {
        return abandon(errno);
    }
    const int fd = std::exchange(file.fd, -1);
    if (::close(fd) != 0) {
        return abandon(errno);
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        return abandon(errno);
    }
    // The new name itself reaches the disk with its folder.
    Descriptor dir{
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (dir.fd >= 0) {
        ::fsync(dir.fd);
    }
    return {};
}

} // namespace veltaro::plot
