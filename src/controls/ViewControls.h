#pragma once

// The preview's controls by their template ids; each control's objectName is
// its id in decimal.
namespace ViewControl {
enum : int {
    Ok = 1,
    Explanation = 1044,
    SampleBox = 1049,
    ValueBox = 1050,
};
} // namespace ViewControl
