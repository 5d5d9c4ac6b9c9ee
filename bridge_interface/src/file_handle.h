// Owning handle for a C stream, so that no path through the library leaves a file open.
#pragma once

#include <cstdio>
#include <memory>

namespace vantrel {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace vantrel
