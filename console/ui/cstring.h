// CString: the layer's text type, a growing 8-bit string. Formatting never cuts and never
// writes past a buffer: the result is as long as it needs to be.
#pragma once

#include <cstdarg>
#include <string>

#include "win_types.h"

class CString {
public:
    CString() = default;
    CString(const char* text) : text_(text != nullptr ? text : "") {}  // NOLINT: implicit like the original
    CString(std::string text) : text_(std::move(text)) {}              // NOLINT

    int GetLength() const { return static_cast<int>(text_.size()); }
    bool IsEmpty() const { return text_.empty(); }
    void Empty() { text_.clear(); }

    // Replaces the text with the printf-style formatting of the arguments.
    void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));

    // Replaces the text with string resource `id` of the application; FALSE (and an empty
    // text) when there is no such string.
    BOOL LoadString(UINT id);

    operator const char*() const { return text_.c_str(); }  // NOLINT: LPCTSTR conversion
    const std::string& str() const { return text_; }

    CString& operator+=(const CString& more) {
        text_ += more.text_;
        return *this;
    }
    friend bool operator==(const CString& a, const CString& b) { return a.text_ == b.text_; }
    friend bool operator!=(const CString& a, const CString& b) { return a.text_ != b.text_; }

private:
    std::string text_;
};

// printf-style formatting into a growing string.
CString FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string FormatTextV(const char* format, std::va_list arguments);
