// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "phrasefilebytes.h"

#include "phrasefile.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

PhraseFileBytes failed(ReadFailure failure, int error = 0)
{
    PhraseFileBytes result;
    result.failure = failure;
    result.error = error;
    return result;
}

} // namespace

PhraseFileBytes readPhraseFileBytes(const std::string &path)
{
    // Non-blocking, so that opening a named pipe does not wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return failed(errno == ENOENT || errno == ENOTDIR ? ReadFailure::Missing
                                                          : ReadFailure::Unreadable,
                      errno);
    struct stat status = {};
    PhraseFileBytes result;
    if (::fstat(fd, &status) != 0)
        result = failed(ReadFailure::Unreadable, errno);
    else if (S_ISDIR(status.st_mode))
        result = failed(ReadFailure::Folder);
    else if (!S_ISREG(status.st_mode))
        result = failed(ReadFailure::NotRegular);
    else if (std::size_t(status.st_size) > MaxPhraseFileBytes)
        result = failed(ReadFailure::TooLarge);
    if (result.failure != ReadFailure::None) {
        ::close(fd);
        return result;
    }
    // The size may change while the file is read: read up to one byte past the limit.
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            result = failed(ReadFailure::Unreadable, errno);
            break;
        }
        if (got == 0)
            break;
        result.bytes.append(buffer, std::size_t(got));
        if (result.bytes.size() > MaxPhraseFileBytes) {
            result = failed(ReadFailure::TooLarge);
            break;
        }
    }
    ::close(fd);
    return result;
}
