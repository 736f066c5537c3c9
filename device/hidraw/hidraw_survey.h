// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/interface_survey.h"

// Looks at every hidraw interface whose HID device carries the controller's IDs in /sys, in
// the search's order, and judges each by the search's rule: the first that opens for reading
// and writing, does not answer the ID query with other IDs and is not a keyboard or mouse
// interface is taken. (A node that answers no ID query at all, as in a replayed recording,
// is judged by its /sys IDs.) Opens each node only for the look, never sends a report, and
// tries the taken one's exchange lock without keeping it.
InterfaceSurvey SurveyHidrawInterfaces();
