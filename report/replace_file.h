#pragma once

#include <filesystem>
#include <string_view>

// Replaces the file at path with bytes, so that a reader sees either the old
// file or the complete new one, never a mixture.
//
// A regular file (or a path that does not exist yet) is written to a
// temporary file in the same folder, flushed to disk and renamed over the
// target; a replaced file keeps its permission bits (and its owner, when the
// process may set it), a new one gets the process's default (0666 less the
// umask). A symbolic link is followed: the file it points to is replaced
// and the link stays a link. A target that
// exists but is not a regular file (a device, a FIFO) is written in place.
//
// Returns false, changing nothing on disk, when the target is a folder, an
// existing file the process may not write or that has no write permission
// bit at all (refused for root too), or in a folder that does not exist or
// may not be written; and when any write, flush, close or the
// rename fails (the temporary file is removed again). errno then holds the
// cause (EACCES, ENOENT, EISDIR, ENOSPC, ...). A FIFO without a reader fails
// with ENXIO rather than waiting for one.
bool ReplaceFile(const std::filesystem::path& path, std::string_view bytes);
