#pragma once

// The main window's controls by their template ids; each control's
// objectName is its id in decimal.
namespace MainWindowControl {
enum : int {
    Languages = 1001,
    Entries = 1003,
    Modify = 1004,
    LanguageLabel = 1031,
    AddLanguage = 1047,
    AdjustOrder = 1048,
};
} // namespace MainWindowControl

// The add-language dialog's controls.
namespace AddLanguageControl {
enum : int {
    Add = 1,
    Cancel = 2,
    Languages = 1030,
    NameLabel = 1032,
};
} // namespace AddLanguageControl

// The About box's controls.
namespace AboutControl {
enum : int {
    Ok = 1,
    Icon = 128,
    Text = 1000,
};
} // namespace AboutControl
