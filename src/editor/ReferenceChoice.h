#pragma once

#include "config/PresentLanguages.h"

class LanguageCatalogue;

// The reference language the editor opens with for editedLanguage (a
// catalogue row; -1 for none): among the other present languages, in
// catalogue order, the first whose display name begins with "English (United
// States)", or with "Chinese (PRC)" when the edited language is catalogue row
// 1 (ignoring case); else the first of them. -1 when no other language is
// present.
int defaultReferenceLanguage(const LanguageCatalogue &catalogue, const PresentLanguages &present,
                             int editedLanguage);
