#include "tools/output/OutputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

OutputFile::OutputFile(std::string path) : finalPath(std::move(path)) {}

OutputFile::~OutputFile() { discard(); }

bool OutputFile::fail(int errorNumber, std::string& error) {
    error = "cannot write " + finalPath + ": " + std::strerror(errorNumber);
    discard();
    return false;
}

void OutputFile::discard() {
    if (file != nullptr) std::fclose(file);
    else if (descriptor >= 0) close(descriptor);
    file = nullptr;
    descriptor = -1;
    if (!inPlace && !writing.empty()) unlink(writing.c_str());
    writing.clear();
}

bool OutputFile::create(std::string& error) {
    struct stat existing {};
    inPlace = stat(finalPath.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode);
    if (inPlace) {
        writing = finalPath;
        descriptor = open(finalPath.c_str(), O_WRONLY | O_CLOEXEC);
        if (descriptor < 0) {
            writing.clear();
            return fail(errno, error);
        }
        return true;
    }
    std::string pattern = finalPath + ".partXXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    descriptor = mkostemp(name.data(), O_CLOEXEC);
    if (descriptor < 0) return fail(errno, error);
    writing = name.data();
    // mkostemp makes the file private; a finished file gets the permissions any new file would.
    static const mode_t mask = [] {
        const mode_t current = umask(0);
        umask(current);
        return current;
    }();
    fchmod(descriptor, 0666 & ~mask);
    return true;
}

std::FILE* OutputFile::stream() {
    if (file == nullptr && descriptor >= 0) file = fdopen(descriptor, "wb");
    return file;
}

void OutputFile::failed(int errorNumber) {
    if (firstError == 0) firstError = errorNumber != 0 ? errorNumber : EIO;
}

bool OutputFile::commit(std::string& error) {
    if (writing.empty()) return fail(firstError != 0 ? firstError : EBADF, error);
    if (file != nullptr) {
        if (std::ferror(file) != 0) failed(errno);
        if (std::fflush(file) != 0) failed(errno);
    }
    const int closed = file != nullptr ? std::fclose(file) : close(descriptor);
    if (closed != 0) failed(errno);
    file = nullptr;
    descriptor = -1;
    if (firstError == 0 && !inPlace && std::rename(writing.c_str(), finalPath.c_str()) != 0) failed(errno);
    if (firstError != 0) return fail(firstError, error);
    writing.clear();
    return true;
}
