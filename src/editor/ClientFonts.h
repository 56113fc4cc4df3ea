#pragma once

#include <QFont>

// The client's fonts as Lexivo uses them, shared by the windows and the batch
// checker so that both render, and measure, text alike.

// Maps the Windows face names the client asks for to installed faces, the CJK
// face first, so Chinese text never shows as boxes. Once per process, before
// any text is measured.
void substituteClientFonts();

// The one fixed font in which the width check measures samples and values.
QFont measuringFont();
