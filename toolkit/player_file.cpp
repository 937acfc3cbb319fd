#include "toolkit/player_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tk {

namespace {

std::string unreadable(int error)
{
    return "il file non si può leggere (errore " + std::to_string(error) + ")";
}

} // namespace

PlayerFile read_player_file(
    const std::string& path, std::size_t limit, std::string_view the_file, std::string_view too_large)
{
    PlayerFile f;
    // Not blocking: a named pipe or a device must not hold the game before it can say no.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            f.fault = "il file non esiste: controlla il nome e la cartella";
        else if (errno == EACCES || errno == EPERM)
            f.fault = "il file non si può leggere (permesso negato): controlla i suoi permessi";
        else
            f.fault = "il file non si può aprire (errore " + std::to_string(errno) + ")";
        return f;
    }
    struct stat st { };
    if (::fstat(fd, &st) != 0)
        f.fault = unreadable(errno);
    else if (S_ISDIR(st.st_mode))
        f.fault = "è una cartella, non un file: indica " + std::string(the_file);
    else if (!S_ISREG(st.st_mode))
        f.fault = "non è un file normale: indica " + std::string(the_file);
    else if (static_cast<std::size_t>(st.st_size) > limit)
        f.fault = std::string(too_large);
    else {
        // One byte past the limit is enough to know a file grew past it while being read.
        f.bytes.resize(limit + 1);
        std::size_t got = 0;
        while (got < f.bytes.size()) {
            const ssize_t n = ::read(fd, f.bytes.data() + got, f.bytes.size() - got);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                f.fault = unreadable(errno);
                break;
            }
            if (n == 0)
                break;
            got += static_cast<std::size_t>(n);
        }
        f.bytes.resize(got);
        if (f.fault.empty() && got > limit)
            f.fault = std::string(too_large);
    }
    ::close(fd);
    if (!f.fault.empty())
        f.bytes.clear();
    return f;
}

} // namespace tk
