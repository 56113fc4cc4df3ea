#pragma once

// The translation editor's controls by their template ids; each control's
// objectName is its id in decimal.
namespace EditorControl {
enum : int {
    Attribute = 1005,
    HiddenValue = 1006, // under the value field; nothing shows or reads it
    ByAttribute = 1007,
    SearchText = 1008,
    ByValue = 1009,
    ByReference = 1010,
    ReferenceLanguage = 1011,
    List = 1012,
    Reference = 1013,
    AddAttribute = 1015, // hidden; its command does nothing
    Save = 1016,
    Cancel = 1017,
    SearchNext = 1033,
    Modify = 1034,
    SearchGroup = 1035,
    ModifyGroup = 1036,
    ValueLabel = 1037,
    AttributeLabel = 1038,
    ReferenceLanguageLabel = 1039,
    ReferenceLabel = 1040,
    RemoveRedundant = 1041, // hidden
    NextBlank = 1042, // hidden
    Warning = 1044,
    SaveAs = 1051,
    Value = 1055,
};
} // namespace EditorControl
