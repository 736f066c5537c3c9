#pragma once

#include <QString>

#include "ui/win_types.h"

inline constexpr UINT MB_OK = 0;
inline constexpr int IDOK = 1;

// A modal box with an OK button, owned by `owner` (or by none). Enter and Escape close it.
int MessageBox(HWND owner, const QString& text, const QString& caption, UINT type = MB_OK);
