#pragma once

#include "EditorContext.h"
#include "editor/CommitCommand.h"
#include "editor/EditorRowFilter.h"
#include "editor/EditorRowModel.h"
#include "editor/EditorSearch.h"
#include "editor/LengthLimits.h"
#include "editor/TextMeasurer.h"

#include <QDialog>
#include <QUndoStack>

#include <memory>
#include <optional>

class CAmendListCtrl;
class CMyEdit;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class WaitingPanel;

// The translation editor: one language's entries beside a reference
// language, each checked for its format symbols and its width and marked with
// a status, searched, edited and saved. Ends with DialogResult::Done after a
// save and DialogResult::Left otherwise.
class CAmendLanguageMapDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CAmendLanguageMapDlg(EditorContext context, QWidget *parent = nullptr);
    ~CAmendLanguageMapDlg() override;

    // Inputs, set before the run: the rows of an existing language, or the
    // attributes of a new one; the edited language's catalogue row; the entry
    // to select at the start.
    void setSourceList(const QList<EntryRow> &entries) { m_source = entries; }
    void setSourceMap(const AttributeMap &attributes);
    void setEditedLanguage(int catalogueRow) { m_editedLanguage = catalogueRow; }
    void setPreselectedEntry(EntryOrdinal ordinal) { m_preselected = ordinal; }

    // Fills the editor; exec() runs it first when the opener has not.
    void OnInitDialog();
    int exec() override;

    const EditorRowModel &rows() const { return m_rows; }
    const EditorRowFilter &filter() const { return *m_filter; }
    QUndoStack &history() { return m_history; }
    const LengthLimits &lengthLimits() const { return m_limits; }
    // The row shown in the edit fields, or -1.
    int currentRow() const;

    void SelectRow(int row);
    void CommitValue();
    void FindNext(const QString &pattern);
    void FindNextBlank();
    void Save();
    void SaveAs();

    // Beyond the template, on the list's context menu and on shortcuts the
    // key table leaves free (see buildActions).
    void setFilter(EditorRowFilter::Kind kind);
    void findBlankFromSelection(); // forward from the selected row, once round
    void copyReference(); // the reference into the value field, uncommitted
    void takeSuggestion(); // the offered value into the value field, uncommitted
    // Values of an XLIFF file committed as if typed, then a report of them.
    void importTranslation();

public slots:
    void reject() override;

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildControls();
    void connectControls();
    void buildActions();
    void showContextMenu(const QPoint &position);
    int modelRow(const QModelIndex &viewIndex) const;
    QModelIndex viewIndex(int modelRow) const;
    EditorSearch::Visible shownRows() const;
    void recordCommit(int row, const RowState &before);
    void showUndoneRow(int row);
    bool undoKeyForAField(QKeyEvent *event, QWidget *target) const;
    bool handleHistoryKey(QKeyEvent *event, QWidget *target);
    void setFieldText(const QString &text);
    void offerSuggestion();
    void updateShownCount(const QString &note = {});
    void fill();
    void fillReferenceLanguages();
    void LoadReference();
    void changeReference();
    void showRow(int row, bool focusValue);
    void highlightCurrentRow();
    void HighlightOverflow(int cut);
    void liveHighlight();
    void openPreview(int row);
    bool handleKey(QKeyEvent *event, QWidget *target);
    void moveSelection(int step);
    void layoutControls();
    void pullTexts();
    void pushTexts();
    std::optional<ValueMap> CollectEntries(bool everyRow, WaitingPanel &waiting);
    void saveTo(const QString &path, const QString &collectingText, bool everyRow);

    EditorContext m_context;
    QList<EntryRow> m_source;
    int m_editedLanguage = -1;
    std::optional<EntryOrdinal> m_preselected;
    bool m_initialised = false;

    EditorRowModel m_rows;
    EditorRowFilter *m_filter = nullptr;
    QUndoStack m_history;
    QList<QAction *> m_filterActions; // in the order of EditorRowFilter::Kind
    LengthLimits m_limits;
    std::unique_ptr<TextMeasurer> m_measurer;

    // The texts bound to the fields: pulled from them and pushed to them.
    QString m_searchText;
    QString m_attributeText;
    QString m_valueText;
    QString m_referenceText;
    int m_searchColumn = 0;
    int m_searchPosition = -1;
    std::optional<EntryOrdinal> m_currentOrdinal;

    QLineEdit *m_search = nullptr;
    QRadioButton *m_byAttribute = nullptr;
    QRadioButton *m_byValue = nullptr;
    QRadioButton *m_byReference = nullptr;
    CMyEdit *m_value = nullptr;
    QLineEdit *m_reference = nullptr;
    QLineEdit *m_attribute = nullptr;
    QLabel *m_warning = nullptr;
    QComboBox *m_referenceLanguages = nullptr;
    CAmendListCtrl *m_list = nullptr;
    QPushButton *m_hiddenAddButton = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_saveAs = nullptr;
    QPushButton *m_removeRedundant = nullptr;
    QLabel *m_shownCount = nullptr;
};
