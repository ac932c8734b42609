#pragma once
// A file that appears under its name only once it is complete: it is written under a temporary
// name in the same folder and renamed when closed without error, so a failed job never leaves a
// file that looks finished. A name that already holds something other than a regular file (a
// device such as /dev/null, a pipe) is written in place, since renaming over it would replace it.
#include <cstdio>
#include <string>

class OutputFile {
public:
    explicit OutputFile(std::string path);
    ~OutputFile();  // removes the temporary file unless committed
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Creates the file to write; false with "cannot write PATH: REASON" in `error`.
    bool create(std::string& error);
    // Where the bytes go until commit: the temporary name, or the final one when written in place.
    const std::string& writingPath() const { return writing; }
    // A stream on it, opened on first use; null when create failed.
    std::FILE* stream();
    // Closes the file and gives it its final name; false with the reason when any write, the close
    // or the rename failed (the temporary file is removed then).
    bool commit(std::string& error);
    // Records a write failure noticed by the caller (errno's reason), making commit fail.
    void failed(int errorNumber);

    const std::string& path() const { return finalPath; }

private:
    bool fail(int errorNumber, std::string& error);
    void discard();

    std::string finalPath;
    std::string writing;
    int descriptor = -1;
    std::FILE* file = nullptr;
    bool inPlace = false;
    int firstError = 0;
};
