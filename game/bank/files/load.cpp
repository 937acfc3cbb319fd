// The pack file a player named, read whole from the disk and handed to the reader its kind needs.
#include "game/bank/bank.h"
#include "game/bank/files/spreadsheet.h"
#include "game/bank/rows.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace bank {

namespace {

std::string unreadable(int error)
{
    return "il file non si può leggere (errore " + std::to_string(error) + ")";
}

bool ends_with(std::string path, std::string_view extension)
{
    std::transform(path.begin(), path.end(), path.begin(), [](unsigned char c) { return std::tolower(c); });
    return path.ends_with(extension);
}

} // namespace

Reading load_pack(const std::string& path)
{
    Reading r;
    auto refuse = [&r](std::string what) {
        r.problems.push_back({0, std::move(what)});
        return r;
    };
    // Not blocking: a named pipe or a device must not hold the game before it can say no.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return refuse("il file non esiste: controlla il nome e la cartella");
        if (errno == EACCES || errno == EPERM)
            return refuse("il file non si può leggere (permesso negato): controlla i suoi permessi");
        return refuse("il file non si può aprire (errore " + std::to_string(errno) + ")");
    }
    struct stat st { };
    std::string bytes;
    std::string fault;
    if (::fstat(fd, &st) != 0)
        fault = unreadable(errno);
    else if (S_ISDIR(st.st_mode))
        fault = "è una cartella, non un file: indica il file delle domande";
    else if (!S_ISREG(st.st_mode))
        fault = "non è un file normale: indica un file di testo con le domande";
    else if (static_cast<std::size_t>(st.st_size) > kMaxPackBytes)
        fault = kTooLarge;
    else {
        // One byte past the limit is enough to know a file grew past it while being read.
        bytes.resize(kMaxPackBytes + 1);
        std::size_t got = 0;
        while (got < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                fault = unreadable(errno);
                break;
            }
            if (n == 0)
                break;
            got += static_cast<std::size_t>(n);
        }
        bytes.resize(got);
    }
    ::close(fd);
    if (!fault.empty())
        return refuse(fault);
    // A spreadsheet's own file is a zip archive, whatever its name says.
    if (ends_with(path, ".xlsx"))
        return read_spreadsheet(bytes, SpreadsheetKind::xlsx);
    if (ends_with(path, ".ods"))
        return read_spreadsheet(bytes, SpreadsheetKind::ods);
    if (bytes.starts_with("PK\x03\x04"))
        return read_spreadsheet(bytes, SpreadsheetKind::either);
    return read_pack(bytes);
}

Reading load_and_check(const std::string& path, tk::FontMetrics& fonts)
{
    Reading r = load_pack(path);
    for (Problem& p : check_fit(r.pack, fonts))
        r.problems.push_back(std::move(p));
    return r;
}

} // namespace bank
