// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Makes the toolkit's controls readable by assistive technology: each control widget gets an
// accessible interface with the role its class stands for (button, toggle, radio button, combo
// box, slider, label), its accessible name, and the press and show-menu actions it offers.
// Safe to call any number of times; the first call installs the factory.
void InstallControlAccessibility();
