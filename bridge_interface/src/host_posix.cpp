// POSIX host: drive C is the Wine prefix's drive, so a Windows bridge service running under Wine
// in that prefix and this native library share one mailbox.
#include "host.h"

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantrel::host {

std::FILE* OpenFile(const std::string& path, OpenMode mode) {
    const char* fopenMode = "rb";
    switch (mode) {
        case OpenMode::Read: fopenMode = "rb"; break;
        case OpenMode::WriteTruncate: fopenMode = "wb"; break;
        case OpenMode::ReadWriteTruncate: fopenMode = "w+b"; break;
    }
    return std::fopen(path.c_str(), fopenMode);
}

void MakeDirectory(const std::string& path) { ::mkdir(path.c_str(), 0777); }

void RemoveFile(const std::string& path) { ::unlink(path.c_str()); }

void SleepMilliseconds(int ms) {
    if (ms <= 0) return;
    timespec remaining{ms / 1000, static_cast<long>(ms % 1000) * 1000000L};
    while (::nanosleep(&remaining, &remaining) == -1 && errno == EINTR) {
    }
}

namespace {

std::string WinePrefix() {
    const char* prefix = std::getenv("WINEPREFIX");
    if (prefix != nullptr && *prefix != '\0') return prefix;
    const char* home = std::getenv("HOME");
    std::string homeDirectory;
    if (home != nullptr && *home != '\0') {
        homeDirectory = home;
    } else if (const passwd* entry = ::getpwuid(::getuid()); entry != nullptr && entry->pw_dir) {
        homeDirectory = entry->pw_dir;
    }
    return homeDirectory + "/.wine";
}

}  // namespace

std::string DriveCRoot() { return WinePrefix() + "/drive_c"; }

void CreateDriveC() {
    MakeDirectory(WinePrefix());
    MakeDirectory(DriveCRoot());
}

char PathSeparator() { return '/'; }

}  // namespace vantrel::host
