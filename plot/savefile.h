#pragma once

// Writing a whole file so that nothing half-written is ever left under its
// name, and no file but the one named is ever replaced. Plain C++ and POSIX.

#include <string>
#include <string_view>

namespace veltaro::plot {

/// Why a file could not be saved.
enum class SaveProblem {
    None,
    IsFolder,     ///< the name is a folder
    IsLink,       ///< the name is a symbolic link
    NotRegular,   ///< the name is a device, a pipe or a socket
    CannotCreate, ///< the file could not be made there (no such folder, not allowed, name too long)
    CannotWrite,  ///< the bytes did not all reach the disk (full, a size limit, an I/O error)
};

/// What saveFile did: nothing wrong, or the problem and the system's error
/// number behind it (errno; 0 where there is none, as for IsFolder).
struct SaveResult {
    SaveProblem problem = SaveProblem::None;
    int error = 0;
    bool ok() const { return problem == SaveProblem::None; }
};

/// Writes `bytes` as the file `path`, all or nothing:
///  1. `path` is looked at without following a link: a folder, a symbolic link
///     or anything but a regular file is refused, and nothing is written;
///  2. the bytes go into a new file of a hidden temporary name in the same
///     folder, created exclusively, checked write by write and synced to the disk;
///  3. that file is renamed to `path`. A rename replaces the name itself, so
///     even a link that appears at `path` after step 1 is replaced as a link:
///     the file it points to is never touched.
/// A file that stood at `path` keeps its permissions; a new one gets 0666 less
/// the umask. On any failure the temporary file is removed and `path` is as it was.
/// A write past a file-size limit fails with EFBIG only where SIGXFSZ is ignored.
SaveResult saveFile(const std::string& path, std::string_view bytes);

} // namespace veltaro::plot
