#pragma once

#include "exchange/XliffExport.h"

// A German language of INI entries and web items in two web files (a third
// holds none), with the texts that exchange files find hard: symbols,
// overlapping and reordered, markup characters, blanks at the ends, tabs,
// line breaks, non-BMP characters (one of them after a "%"), blank values, a reference key written
// twice. IDS_LONG is too long and IDS_LOST fails the symbol check with the
// FixedTextMeasurer.
XliffExportInput exchangeInput();
