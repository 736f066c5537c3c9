#pragma once

#include <cstdint>

class QWidget;

// Window-message vocabulary of the skin toolkit. The numbers and parameter layouts are the
// classic desktop ones, so handlers written against them read the same on every platform.
using UINT = std::uint32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using HWND = QWidget*;

inline constexpr UINT WM_CREATE = 0x0001;
inline constexpr UINT WM_DESTROY = 0x0002;
inline constexpr UINT WM_SIZE = 0x0005;
inline constexpr UINT WM_SETFOCUS = 0x0007;
inline constexpr UINT WM_KILLFOCUS = 0x0008;
inline constexpr UINT WM_CLOSE = 0x0010;
inline constexpr UINT WM_QUIT = 0x0012;
inline constexpr UINT WM_GETMINMAXINFO = 0x0024;
inline constexpr UINT WM_SETICON = 0x0080;
inline constexpr UINT WM_NCCALCSIZE = 0x0083;
inline constexpr UINT WM_NCHITTEST = 0x0084;
inline constexpr UINT WM_NCPAINT = 0x0085;
inline constexpr UINT WM_NCACTIVATE = 0x0086;
inline constexpr UINT WM_KEYDOWN = 0x0100;
inline constexpr UINT WM_KEYUP = 0x0101;
inline constexpr UINT WM_CHAR = 0x0102;
inline constexpr UINT WM_SYSKEYDOWN = 0x0104;
inline constexpr UINT WM_SYSKEYUP = 0x0105;
inline constexpr UINT WM_SYSCOMMAND = 0x0112;
inline constexpr UINT WM_TIMER = 0x0113;
inline constexpr UINT WM_MOUSEMOVE = 0x0200;
inline constexpr UINT WM_LBUTTONDOWN = 0x0201;
inline constexpr UINT WM_LBUTTONUP = 0x0202;
inline constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
inline constexpr UINT WM_MOUSEWHEEL = 0x020A;
inline constexpr UINT WM_MOUSEHOVER = 0x02A1;

inline constexpr WPARAM SC_MINIMIZE = 0xF020;
inline constexpr WPARAM SC_CLOSE = 0xF060;
inline constexpr WPARAM SC_RESTORE = 0xF120;

inline constexpr int CW_USEDEFAULT = static_cast<int>(0x80000000u);
inline constexpr int WHEEL_DELTA = 120;

// lParam of key messages: repeat count in bits 0..15, scan code in 16..23, extended-key
// flag in bit 24, previous state in bit 30, transition state in bit 31.
inline constexpr LPARAM kKeyExtendedFlag = LPARAM{1} << 24;

// Virtual-key codes the toolkit produces beyond letters and digits (which are their ASCII).
namespace vk {
inline constexpr UINT kBack = 0x08, kTab = 0x09, kReturn = 0x0D, kShift = 0x10, kControl = 0x11,
                      kMenu = 0x12, kPause = 0x13, kCapital = 0x14, kEscape = 0x1B, kSpace = 0x20,
                      kPrior = 0x21, kNext = 0x22, kEnd = 0x23, kHome = 0x24, kLeft = 0x25,
                      kUp = 0x26, kRight = 0x27, kDown = 0x28, kSnapshot = 0x2C, kInsert = 0x2D,
                      kDelete = 0x2E, kLWin = 0x5B, kRWin = 0x5C, kApps = 0x5D, kNumpad0 = 0x60,
                      kMultiply = 0x6A, kAdd = 0x6B, kSubtract = 0x6D, kDecimal = 0x6E,
                      kDivide = 0x6F, kF1 = 0x70, kF10 = 0x79, kF12 = 0x7B, kNumLock = 0x90,
                      kScroll = 0x91, kOem1 = 0xBA, kOemPlus = 0xBB, kOemComma = 0xBC,
                      kOemMinus = 0xBD, kOemPeriod = 0xBE, kOem2 = 0xBF, kOem3 = 0xC0, kOem4 = 0xDB,
                      kOem5 = 0xDC, kOem6 = 0xDD, kOem7 = 0xDE;
}  // namespace vk
