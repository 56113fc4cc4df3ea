#pragma once

// How the program's own dialogs end: callers act only on Done.
namespace DialogResult {
enum : int {
    Done = 5, // the action was done: a language added, a translation written
    Left = 6, // left without it
};
} // namespace DialogResult
