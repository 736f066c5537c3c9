// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// How many pixels of two pictures of one size differ by more than a quarter of the range in
// any channel, transparency included.
int DifferingPixels(const QImage& a, const QImage& b);
