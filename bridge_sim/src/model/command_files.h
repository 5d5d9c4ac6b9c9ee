// The files that commands name. A name may be written the bridge's Windows way
// ("c:\scripts\boot.txt"); such a name is taken to lie on the mailbox's drive C. Any other name
// is used as it is. Files are read and written with the library's text rules (CR LF on disk).
#pragma once

#include <string>

namespace bridge_sim {

std::string HostPath(const std::string& path);

// The directory part of a path ("" when it has none), to resolve names relative to a file.
std::string DirectoryOf(const std::string& path);

// Creates or empties the file and writes text to it. False when it cannot be written whole.
bool WriteWholeTextFile(const std::string& path, const std::string& text);

}  // namespace bridge_sim
