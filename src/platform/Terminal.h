#pragma once

#include <cstdio>

// Whether the stream writes to a terminal (a person watching), not to a file
// or a pipe.
bool isTerminal(std::FILE *stream);
