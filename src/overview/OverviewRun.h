#pragma once

#include "check/CheckEngine.h"

#include <QObject>

#include <atomic>
#include <memory>

class QThread;

// The checker's engine on a thread of its own, so that the user-interface
// thread never waits for it: each language's summary is handed over as it
// is checked. Everything it hands over arrives on the object's own thread.
// After cancel() nothing more arrives; destroying the object cancels and
// waits only for the languages under way.
class OverviewRun : public QObject
{
    Q_OBJECT

public:
    explicit OverviewRun(QObject *parent = nullptr);
    ~OverviewRun() override;

    // Cancels the run under way, then checks with options (their progress,
    // cancel flag and findings are the run's own).
    void start(CheckOptions options);
    void cancel();
    bool running() const { return m_running; }

signals:
    void languageChecked(int checked, int total, const LanguageSummary &summary);
    // error is empty when every language was checked.
    void finished(const QString &error);

private:
    void stop();

    std::unique_ptr<QThread> m_thread;
    std::atomic<bool> m_cancelled = false;
    // Counts the runs, so that what a cancelled one still hands over is dropped.
    quint64 m_generation = 0;
    bool m_running = false;
};
