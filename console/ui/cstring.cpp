#include "cstring.h"

#include <cstdio>
#include <vector>

#include "cwinapp.h"

std::string FormatTextV(const char* format, std::va_list arguments) {
    std::va_list measuring;
    va_copy(measuring, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, measuring);
    va_end(measuring);
    if (length <= 0) return {};
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, arguments);
    return std::string(buffer.data(), static_cast<std::size_t>(length));
}

CString FormatText(const char* format, ...) {
    std::va_list arguments;
    va_start(arguments, format);
    std::string text = FormatTextV(format, arguments);
    va_end(arguments);
    return CString(std::move(text));
}

void CString::Format(const char* format, ...) {
    std::va_list arguments;
    va_start(arguments, format);
    text_ = FormatTextV(format, arguments);
    va_end(arguments);
}

BOOL CString::LoadString(UINT id) {
    text_ = std::string(AfxGetApp()->GetResources().FindString(static_cast<int>(id)));
    return text_.empty() ? FALSE : TRUE;
}
