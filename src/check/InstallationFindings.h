#pragma once

#include "CheckReport.h"

#include <vector>

class CheckedInstallation;

// What start-up would create or change (kind index), and English web files
// that cannot be read, so that no language has their items.
std::vector<Finding> installationFindings(const CheckedInstallation &installation);
