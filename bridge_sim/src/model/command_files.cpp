#include "command_files.h"

#include <cstdio>

#include "file_handle.h"
#include "host.h"
#include "text_file.h"

namespace bridge_sim {

std::string HostPath(const std::string& path) {
    const bool onDriveC = path.size() >= 2 && (path[0] == 'c' || path[0] == 'C') && path[1] == ':';
    if (!onDriveC) return path;
    std::string rest = path.substr(2);
    for (char& c : rest) {
        if (c == '\\') c = '/';
    }
    if (rest.empty() || rest.front() != '/') rest.insert(rest.begin(), '/');
    return vantrel::host::DriveCRoot() + rest;
}

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool WriteWholeTextFile(const std::string& path, const std::string& text) {
    vantrel::FileHandle file(vantrel::host::OpenFile(path, vantrel::host::OpenMode::WriteTruncate));
    if (!file) return false;
    const bool written = vantrel::WriteText(file.get(), text);
    // fclose flushes: a full disk shows up there, not in WriteText.
    return std::fclose(file.release()) == 0 && written;
}

}  // namespace bridge_sim
