#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace corlinth::platform {

// The file services the program needs from the operating system. Paths are UTF-8 and use the
// platform's own separators. Failures come back as the platform's own message, which the
// program shows as it stands.
struct FileResult {
    bool ok = true;
    std::string error;  // the platform's message when not ok
    explicit operator bool() const { return ok; }
};

// Reads a whole file, refusing anything larger than `limit` bytes without reading it.
std::optional<std::string> readFile(const std::string& path, std::string* error = nullptr,
                                    std::uint64_t limit = UINT64_MAX);

// Writes to a temporary file in the same folder and renames it over `path`, so that a failed
// write never leaves a half-written document and the previous file stays as it was.
FileResult writeFileAtomically(const std::string& path, const std::string& bytes);

bool fileExists(const std::string& path);
std::optional<std::uint64_t> fileSize(const std::string& path);
bool isReadOnly(const std::string& path);
// Clears or sets the read-only flag (the write permission bits on POSIX systems).
FileResult setReadOnly(const std::string& path, bool readOnly);
FileResult makeFolders(const std::string& path);

// Free bytes on the drive that holds `path` (or its nearest existing parent).
std::uint64_t freeSpace(const std::string& path);

std::string currentDirectory();
std::string userDocumentsFolder();
std::string loginName();
char nativeSeparator();

}  // namespace corlinth::platform
