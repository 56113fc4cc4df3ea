#pragma once

#include <QFont>
#include <QString>

// The client's fonts as Lexivo uses them, shared by the windows and the batch
// checker so that both render, and measure, text alike.

// The faces the client's windows ask for by name.
namespace ClientFace {
inline const QString Dialog = QStringLiteral("微软雅黑"); // the dialogs and the waiting panel
inline const QString Sans = QStringLiteral("Microsoft Sans Serif"); // add-language, preview
inline const QString Display = QStringLiteral("Droid Sans Fallback"); // the preview's boxes
inline const QString Explanation = QStringLiteral("Arial"); // the preview's explanation
} // namespace ClientFace

// A font of that face at a point size.
QFont clientFont(const QString &face, int pointSize);

// Maps the Windows face names the client asks for to installed faces, the CJK
// face first, so Chinese text never shows as boxes. Once per process, before
// any text is measured.
void substituteClientFonts();

// The one fixed font in which the width check measures samples and values.
QFont measuringFont();
