// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "cli/doctor.h"
#include "cli/doctor_facts.h"
#include "link/interface_survey.h"

// padctl doctor's report: one file that umockdev-run --device reads as it is, so the
// controller's interfaces replay here as they were on the reporter's machine. It opens with a
// made-up device whose properties carry the doctor's lines, the package version, the kernel,
// the distribution and the input daemons seen; the controller's interfaces and the devices
// above them follow, each once, and the firmware table's board name, which chooses the
// window's layout.
std::string DoctorReport(const DoctorResult& result, const SystemFacts& facts,
                         const InterfaceSurvey& survey, const std::string& boardModel);

// `text` with nothing personal left: the home folder written as "~", and the user and host
// names, where they stand as whole words, as "USER" and "HOST".
std::string WithoutPersonalDetails(const std::string& text, const SystemFacts& facts);
