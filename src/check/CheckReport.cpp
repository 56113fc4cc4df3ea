#include "CheckReport.h"

#include <algorithm>

using namespace Qt::StringLiterals;

QString kindName(FindingKind kind)
{
    switch (kind) {
    case FindingKind::Error:
        return u"error"_s;
    case FindingKind::TooLong:
        return u"too-long"_s;
    case FindingKind::Blank:
        return u"blank"_s;
    case FindingKind::Missing:
        return u"missing"_s;
    case FindingKind::Extra:
        return u"extra"_s;
    case FindingKind::Web:
        return u"web"_s;
    case FindingKind::Index:
        return u"index"_s;
    case FindingKind::Inconsistent:
        break;
    }
    return u"inconsistent"_s;
}

bool isError(FindingKind kind)
{
    return kind == FindingKind::Error || kind == FindingKind::TooLong;
}

QString severityName(FindingKind kind)
{
    return isError(kind) ? u"error"_s : u"warning"_s;
}

bool failsAt(FindingKind kind, FailLevel level)
{
    switch (level) {
    case FailLevel::Error:
        return isError(kind);
    case FailLevel::Blank:
        return isError(kind) || kind == FindingKind::Blank || kind == FindingKind::Missing
            || kind == FindingKind::Web;
    case FailLevel::Warning:
        return true;
    case FailLevel::Never:
        break;
    }
    return false;
}

std::optional<FailLevel> failLevelFromName(QStringView name)
{
    if (name == u"error")
        return FailLevel::Error;
    if (name == u"blank")
        return FailLevel::Blank;
    if (name == u"warning")
        return FailLevel::Warning;
    if (name == u"never")
        return FailLevel::Never;
    return std::nullopt;
}

int LanguageSummary::translatedPerMille() const
{
    return entries == 0 ? 0 : int(1000LL * translated / entries);
}

bool CheckReport::failsAt(FailLevel level) const
{
    return std::any_of(findings.cbegin(), findings.cend(),
                       [level](const Finding &finding) { return ::failsAt(finding.kind, level); });
}
