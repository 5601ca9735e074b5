#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace quorvex {

// A file that could not be written or read; the text is the whole message for the error box,
// naming the file and the system's reason: Cannot create file "/x/y.Game". Permission denied
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes bytes to path so that the old file survives any failure: the bytes go to a new file in
// the same folder, are flushed to the disk, and only then take the old file's place in one step.
// On failure the new file is removed and path is as it was.
void replaceFile(const std::string& path, std::span<const uint8_t> bytes);

// replaceFile in its two steps, for a caller that moves other files in between: the bytes are
// written beside path and flushed to the disk when made; putInPlace renames them over path.
// A staged file never put in place is removed.
class StagedFile {
public:
    StagedFile(const std::string& path, std::span<const uint8_t> bytes);
    ~StagedFile();
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;
    void putInPlace();

private:
    std::string path_;    // as the caller named it, for messages
    std::string target_;  // the file a link at path points to, or path itself
    std::string tempName_;
};

// A file read front to back. Opening refuses a folder, and a pipe or device picked by mistake
// (never waited on); a failed read names the file and the system's reason.
class FileReader {
public:
    explicit FileReader(const std::string& path);
    ~FileReader();
    FileReader(const FileReader&) = delete;
    FileReader& operator=(const FileReader&) = delete;

    // Up to n bytes into `to`, fewer only where the file ends: 0 at its end.
    std::size_t read(void* to, std::size_t n);
    // The size the file had when it was opened.
    std::size_t sizeWhenOpened() const { return size_; }

private:
    std::string path_;
    int fd_ = -1;
    std::size_t size_ = 0;
};

// The file's bytes, at most limit + 1 of them (so a caller can tell a file longer than limit).
std::vector<uint8_t> readFileUpTo(const std::string& path, std::size_t limit);

}  // namespace quorvex
