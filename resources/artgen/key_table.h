// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <vector>

// One row of the key picture table: which file to draw, in which style, with which label.
struct KeyPictureSpec {
  QString file;
  QString style;
  QString label;
};

// Reads "file | style | label" rows; blank lines and lines starting with '#' are skipped.
// Returns false and explains in `error` on a malformed row or an unreadable file.
bool ReadKeyTable(const QString& path, std::vector<KeyPictureSpec>& rows, QString& error);

// The same parser over text already in memory (line numbers count from 1).
bool ParseKeyTable(const QString& text, std::vector<KeyPictureSpec>& rows, QString& error);
