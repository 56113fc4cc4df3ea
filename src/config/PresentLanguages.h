#pragma once

#include <set>

// The catalogue rows of the languages that exist in the installation, in
// ascending order.
using PresentLanguages = std::set<int>;
