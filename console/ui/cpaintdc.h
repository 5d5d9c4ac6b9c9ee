// CPaintDC: painting of one window for as long as the object lives.
#pragma once

#include <memory>

#include "win_types.h"

class CWnd;

class CPaintDC {
public:
    explicit CPaintDC(CWnd* window);
    ~CPaintDC();
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    HDC GetSafeHdc() const { return surface_.get(); }
    // Draws `icon` with its top-left corner at x, y.
    BOOL DrawIcon(int x, int y, HICON icon);

private:
    std::unique_ptr<ui::PaintSurface> surface_;
};
