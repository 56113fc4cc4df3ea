#pragma once

#include "check/CheckEngine.h"

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>

// A small installation with known faults and the tool's own files, built in a
// temporary folder: English, Chinese (PRC) and German (Germany) with web
// files, French (France) listed in the index only. Widths are measured by
// FixedTextMeasurer (10 px a character).
//
// German holds one fault of each kind: ERROR (IDS_COUNT, web.count), TOO
// LONG (IDS_NAME), blank (IDS_SAVE), missing (IDS_CLOSE), extra (IDS_OLD, a
// second IDS_OK), a missing web item (web.count) and two translations of
// "Name" (IDS_NAME, web.name).
class CheckFixture
{
public:
    CheckFixture();

    QString installation() const { return m_dir.filePath(QStringLiteral("installation")); }
    QString tools() const { return m_dir.filePath(QStringLiteral("tools")); }
    // A path below the installation.
    QString path(const QString &relative) const;

    void write(const QString &relative, const QByteArray &bytes) const;
    void remove(const QString &relative) const;
    // Replaces the tool's ConfigParameter.xml.
    void setConfiguration(bool needWebLanguage, bool newTool) const;

    // Checks with the fixed measurer on one thread unless options say otherwise.
    CheckOutcome check(CheckOptions options = {}) const;

    // The findings in the text form, one a line.
    static QStringList lines(const CheckOutcome &outcome);

private:
    QTemporaryDir m_dir;
};
