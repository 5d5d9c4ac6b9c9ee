// Text I/O on binary streams, identical on every platform: CR LF reads as one LF, an LF written
// becomes CR LF, and nothing adds a line end of its own.
#pragma once

#include <cstdio>
#include <string>

namespace vantrel {

// Reads the first line into buffer: at most length - 1 characters, stopping after the first LF,
// which is stored too, then a terminating zero. Returns the number of characters stored, or -1
// when nothing was read (length 0 or less, or the stream ended before any character); then the
// buffer is not touched. A length of 1 stores the terminating zero alone and returns 0.
int ReadTextLine(std::FILE* file, char* buffer, int length);

// Writes text with every LF as CR LF. Returns false when the stream reported an error.
bool WriteText(std::FILE* file, const std::string& text);

// Convenience for whole files (used by the bridge simulator): reads all of a file with CR LF
// folded to LF. Returns false when the file cannot be opened.
bool ReadWholeTextFile(const std::string& path, std::string& text);

}  // namespace vantrel
