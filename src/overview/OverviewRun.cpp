#include "OverviewRun.h"

#include <QThread>

OverviewRun::OverviewRun(QObject *parent)
    : QObject(parent)
{
}

OverviewRun::~OverviewRun()
{
    stop();
}

void OverviewRun::cancel()
{
    m_cancelled = true;
    ++m_generation;
    m_running = false;
}

// The thread may still be handing over what the cancelled run found: it
// posts to this object, so it must end before the object does.
void OverviewRun::stop()
{
    cancel();
    if (m_thread) {
        m_thread->wait();
        m_thread.reset();
    }
}

void OverviewRun::start(CheckOptions options)
{
    stop();
    m_cancelled = false;
    m_running = true;
    const quint64 generation = m_generation;
    options.cancel = &m_cancelled;
    options.keepFindings = false;
    options.progress = [this, generation](int checked, int total, const LanguageSummary &summary) {
        QMetaObject::invokeMethod(
            this,
            [this, generation, checked, total, summary] {
                if (generation == m_generation)
                    emit languageChecked(checked, total, summary);
            },
            Qt::QueuedConnection);
    };
    m_thread.reset(QThread::create([this, generation, options = std::move(options)] {
        const QString error = runCheck(options).error;
        QMetaObject::invokeMethod(
            this,
            [this, generation, error] {
                if (generation != m_generation)
                    return;
                m_running = false;
                emit finished(error);
            },
            Qt::QueuedConnection);
    }));
    m_thread->start();
}
