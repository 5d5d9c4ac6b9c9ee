#include "text_file.h"

#include "file_handle.h"
#include "host.h"

namespace vantrel {

namespace {

// One character as a text-mode read would deliver it: CR followed by LF becomes LF.
int ReadTextChar(std::FILE* file) {
    int c = std::fgetc(file);
    if (c == '\r') {
        const int next = std::fgetc(file);
        if (next == '\n') return '\n';
        if (next != EOF) std::ungetc(next, file);
    }
    return c;
}

}  // namespace

int ReadTextLine(std::FILE* file, char* buffer, int length) {
    if (length <= 0) return -1;
    if (length == 1) {
        buffer[0] = '\0';
        return 0;
    }
    int stored = 0;
    while (stored < length - 1) {
        const int c = ReadTextChar(file);
        if (c == EOF) break;
        buffer[stored++] = static_cast<char>(c);
        if (c == '\n') break;
    }
    if (stored == 0) return -1;
    buffer[stored] = '\0';
    return stored;
}

bool WriteText(std::FILE* file, const std::string& text) {
    for (const char c : text) {
        if (c == '\n' && std::fputc('\r', file) == EOF) return false;
        if (std::fputc(static_cast<unsigned char>(c), file) == EOF) return false;
    }
    return std::ferror(file) == 0;
}

bool ReadWholeTextFile(const std::string& path, std::string& text) {
    FileHandle file(host::OpenFile(path, host::OpenMode::Read));
    if (!file) return false;
    text.clear();
    for (int c = ReadTextChar(file.get()); c != EOF; c = ReadTextChar(file.get())) {
        text.push_back(static_cast<char>(c));
    }
    return true;
}

}  // namespace vantrel
