// The narrow interface between the library and its host platform. Each platform has one file
// that implements it (host_posix.cpp, later host_windows.cpp); nothing else in the library calls
// the operating system for files, directories or sleeping.
#pragma once

#include <cstdio>
#include <string>

namespace vantrel::host {

enum class OpenMode {
    Read,               // the file must exist
    WriteTruncate,      // create or empty, then write
    ReadWriteTruncate,  // create or empty, then write and read
};

// Opens in binary mode (the library translates line ends itself) and without sharing
// restrictions, so the bridge service can open the same file at the same time.
// Returns null when the file cannot be opened.
std::FILE* OpenFile(const std::string& path, OpenMode mode);

// Failures (an existing directory, a missing file) are deliberately not reported.
void MakeDirectory(const std::string& path);
void RemoveFile(const std::string& path);

void SleepMilliseconds(int ms);

// Where the mailbox's drive C lies on this host, without a trailing separator, worked out
// afresh on each call.
std::string DriveCRoot();
// Creates the drive C root where the host has to (a Wine prefix on POSIX); nothing on Windows.
void CreateDriveC();

char PathSeparator();

}  // namespace vantrel::host
