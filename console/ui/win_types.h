// The platform types and constants the console's code is written with, mapped onto this
// layer: handles of icons and paint surfaces are pointers to the layer's own objects.
#pragma once

#include <cstdint>

#include "backend.h"

using UINT = unsigned int;
using UINT_PTR = std::uintptr_t;
using BOOL = int;
using DWORD = std::uint32_t;
using WPARAM = std::uintptr_t;
using LPARAM = long;
using LRESULT = long;
using INT_PTR = std::intptr_t;
using LPCTSTR = const char*;
using HICON = const ui::IconResource*;
using HCURSOR = HICON;
using HDC = ui::PaintSurface*;

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

// Dialog results and the standard buttons.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

// The standard Help command.
constexpr UINT ID_HELP = 0xE146;

// Window messages this layer understands through CWnd::SendMessage.
constexpr UINT WM_ICONERASEBKGND = 0x0027;

// Button state.
constexpr int BST_UNCHECKED = 0;
constexpr int BST_CHECKED = 1;

// System commands (WM_SYSCOMMAND identifiers of the platform).
constexpr UINT SC_SIZE = 0xF000;
constexpr UINT SC_MOVE = 0xF010;
constexpr UINT SC_MINIMIZE = 0xF020;
constexpr UINT SC_MAXIMIZE = 0xF030;
constexpr UINT SC_CLOSE = 0xF060;
constexpr UINT SC_RESTORE = 0xF120;

// Menu item kinds.
constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_SEPARATOR = 0x0800;

// System metrics.
constexpr int SM_CXICON = 11;
constexpr int SM_CYICON = 12;

// File dialog options.
constexpr DWORD OFN_OVERWRITEPROMPT = 0x0002;
constexpr DWORD OFN_HIDEREADONLY = 0x0004;

struct CRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

// The system metric `index` (SM_CXICON, SM_CYICON) as the current back end reports it.
int GetSystemMetrics(int index);
