#include "CheckEngine.h"

#include "CheckedInstallation.h"
#include "InstallationFindings.h"
#include "LanguageCheck.h"
#include "ParallelRun.h"
#include "ReferenceTexts.h"
#include "editor/ClientFonts.h"
#include "editor/ReferenceChoice.h"

#include <QThread>

#include <map>
#include <mutex>
#include <set>

using namespace Qt::StringLiterals;

namespace {

QStringList samples(const LengthLimits &limits)
{
    QStringList texts;
    texts.reserve(qsizetype(limits.size()));
    for (const auto &limit : limits)
        texts.append(limit.second);
    return texts;
}

class Check
{
public:
    Check(const CheckOptions &options, const CheckedInstallation &installation)
        : m_options(options)
        , m_installation(installation)
    {
    }

    // False, with the outcome's error set, for an option naming no language.
    bool chooseLanguages(CheckOutcome &outcome);
    void run(CheckOutcome &outcome);

private:
    bool cancelled() const { return m_options.cancel && m_options.cancel->load(); }
    // True, with the outcome's error set, once the check is cancelled.
    bool stopped(CheckOutcome &outcome) const
    {
        if (!cancelled())
            return false;
        outcome.error = checkCancelledMessage();
        return true;
    }

    const CheckOptions &m_options;
    const CheckedInstallation &m_installation;
    int m_reference = -1; // the one given, or -1
    std::vector<int> m_languages; // in catalogue order
};

bool Check::chooseLanguages(CheckOutcome &outcome)
{
    if (!m_options.reference.isEmpty()) {
        m_reference = m_installation.presentLanguage(m_options.reference);
        if (m_reference < 0) {
            outcome.error = u"The reference \"%1\" is not a language of this installation."_s.arg(
                m_options.reference);
            return false;
        }
    }
    if (m_options.languages.isEmpty()) {
        const PresentLanguages &present = m_installation.presentLanguages();
        m_languages.assign(present.cbegin(), present.cend());
        return true;
    }
    std::set<int> chosen;
    for (const QString &name : m_options.languages) {
        const int row = m_installation.presentLanguage(name);
        if (row < 0) {
            outcome.error = u"\"%1\" is not a language of this installation."_s.arg(name);
            return false;
        }
        chosen.insert(row);
    }
    m_languages.assign(chosen.cbegin(), chosen.cend());
    return true;
}

void Check::run(CheckOutcome &outcome)
{
    const LanguageCatalogue &catalogue = m_installation.catalogue();
    const PresentLanguages &present = m_installation.presentLanguages();
    // The editor never offers the edited language itself as its reference.
    std::vector<int> references;
    std::map<int, ReferenceTexts> referenceTexts; // -1: no reference
    for (const int language : m_languages) {
        const int reference = m_reference >= 0 && m_reference != language
            ? m_reference
            : defaultReferenceLanguage(catalogue, present, language);
        references.push_back(reference);
        if (!referenceTexts.count(reference))
            referenceTexts.emplace(reference, loadReferenceTexts(m_installation, reference));
    }

    if (stopped(outcome))
        return;
    const int jobs = m_options.jobs > 0 ? m_options.jobs : QThread::idealThreadCount();
    const MeasurerFactory makeMeasurer
        = m_options.measurer ? m_options.measurer : MeasurerFactory(editorMeasurer);
    // Every language measures against the same samples: measured once.
    const WidthTable sampleWidths
        = measureTexts(samples(m_installation.limits()), jobs, makeMeasurer);

    const int total = int(m_languages.size());
    std::vector<LanguageCheckResult> results(m_languages.size());
    std::mutex progressMutex;
    int checked = 0;
    runInParallel(
        jobs, total, [&] { return SharedWidthMeasurer(sampleWidths, makeMeasurer()); },
        [&](int index, const SharedWidthMeasurer &measurer) {
            if (cancelled())
                return;
            const int reference = references[index];
            LanguageCheckResult &result = results[index];
            result = checkLanguage({ m_installation, m_languages[index], reference,
                                     referenceTexts.at(reference), measurer });
            if (!m_options.keepFindings)
                result.findings = {};
            if (m_options.progress) {
                const std::lock_guard lock(progressMutex);
                m_options.progress(++checked, total, result.summary);
            }
        });
    if (stopped(outcome))
        return;

    CheckReport &report = outcome.report;
    report.reference = catalogue.NameAt(
        m_reference >= 0 ? m_reference : defaultReferenceLanguage(catalogue, present, -1));
    if (m_options.keepFindings)
        report.findings = installationFindings(m_installation);
    for (LanguageCheckResult &result : results) {
        report.languages.push_back(std::move(result.summary));
        std::move(result.findings.begin(), result.findings.end(),
                  std::back_inserter(report.findings));
    }
}

} // namespace

std::unique_ptr<TextMeasurer> editorMeasurer()
{
    return std::make_unique<FontTextMeasurer>(measuringFont());
}

CheckOutcome runCheck(const CheckOptions &options)
{
    CheckOutcome outcome;
    const std::unique_ptr<CheckedInstallation> installation
        = CheckedInstallation::open(options.installation, options.toolFolder, &outcome.error);
    if (!installation)
        return outcome;
    outcome.report.installation = installation->folder();
    Check check(options, *installation);
    if (check.chooseLanguages(outcome))
        check.run(outcome);
    return outcome;
}

QString checkCancelledMessage()
{
    return u"The check was cancelled."_s;
}
