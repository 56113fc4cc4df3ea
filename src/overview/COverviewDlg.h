#pragma once

#include "OverviewModel.h"
#include "OverviewRun.h"

#include <QDialog>
#include <QSet>

#include <functional>

class LanguageCatalogue;
class QLabel;
class QModelIndex;
class QProgressBar;
class QPushButton;
class QTableView;

// What the overview needs from the main window.
struct OverviewSource
{
    QString installation; // the client's folder
    QString toolFolder; // the program's own files, which the editor reads too
    const LanguageCatalogue &catalogue;
    // Opens the translation editor on a language and returns once it is
    // closed; false when the main window cannot open that language.
    std::function<bool(int catalogueRow)> openEditor;
    MeasurerFactory measurer = {}; // empty: the editor's measuring font
};

// How complete and how correct every language of the installation is, with
// the checker's counts, computed on a thread of its own. A double click or
// Enter opens the editor on a language, which is checked again once the
// editor is closed; F5 checks everything again. It can be closed at any
// time: a check under way is cancelled.
class COverviewDlg : public QDialog
{
    Q_OBJECT

public:
    explicit COverviewDlg(OverviewSource source, QWidget *parent = nullptr);
    ~COverviewDlg() override;

    const OverviewModel &model() const { return m_model; }
    bool busy() const { return m_run.running(); }

    // Checks every language again.
    void refresh();

public slots:
    void reject() override;

signals:
    // A check has ended, with every language or with an error.
    void checked();

private:
    void buildControls();
    CheckOptions options(const QStringList &languages) const;
    void recheck(const QString &language);
    void languageChecked(int checked, int total, const LanguageSummary &summary);
    void finished(const QString &error);
    void openEditor(const QModelIndex &index);
    void showProgress(const QString &text, int checked = 0, int total = 0);
    QString outcomeText() const;

    OverviewSource m_source;
    OverviewModel m_model;
    OverviewRun m_run;
    QString m_single; // the one language being checked again, if so
    QSet<QString> m_reported; // the languages a check of every one has reported

    QLabel *m_status = nullptr;
    QProgressBar *m_progress = nullptr;
    QTableView *m_table = nullptr;
    QPushButton *m_refresh = nullptr;
};
