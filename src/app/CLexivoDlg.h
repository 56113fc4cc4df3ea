#pragma once

#include "EntryListModel.h"
#include "config/ReconcileIndex.h"
#include "editor/EditorContext.h"
#include "store/LanguageStore.h"
#include "store/WebLanguageStore.h"

#include <QDialog>

#include <optional>

class ClientConfig;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

// The main window: the installation's languages in a combo box and the
// entries of the selected one below it, with the commands that open the
// translation editor, add a language and rewrite a file in reference order.
class CLexivoDlg : public QDialog
{
    Q_OBJECT

public:
    static const QString MainFileMissingMessage;

    explicit CLexivoDlg(const ClientConfig &config, QWidget *parent = nullptr);
    ~CLexivoDlg() override;

    // Opens the stores in the current directory, reconciles the index and
    // fills the language list. False, after telling the user, when a required
    // folder or the reference file is missing: the program then ends.
    bool OnInitDialog();

    // The editor hands the saved values to the entry list.
    void UpdateListValues(const ValueMap &values);

    LanguageStore &languageStore() { return m_languageStore; }
    WebLanguageStore &webLanguageStore() { return m_webLanguageStore; }
    const ClientConfig &config() const { return m_config; }
    PresentLanguages &presentLanguages() { return m_presentLanguages; }
    EditorContext editorContext();
    const EntryListModel &entryList() const { return m_entryList; }
    // The catalogue row of the selected language, or -1.
    int selectedLanguage() const;

    // Opens the editor on a language of the list, as choosing it and pressing
    // Modify would; false when the list does not hold it.
    bool openEditorOn(int catalogueRow);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildControls();
    void fillLanguageList();
    void selectLanguage();
    void LoadSelectedLanguage();
    void adjustItemOrder();
    void openEditor(std::optional<EntryOrdinal> preselected);
    void addLanguage();
    void showAbout();
    void showOverview();
    void layoutControls();
    void setColumnWidths();
    AttributeMap attributeMap() const;

    const ClientConfig &m_config;
    WebLanguageStore m_webLanguageStore;
    LanguageStore m_languageStore;
    bool m_needWebLanguage = true;
    bool m_newTool = false;
    QString m_startDirectory;
    KeySet m_extraAttributes;
    PresentLanguages m_presentLanguages;
    EntryListModel m_entryList;
    int m_listedLanguage = -1; // the language whose entries the list holds

    QLabel *m_languageLabel = nullptr;
    QComboBox *m_languages = nullptr;
    QPushButton *m_addLanguage = nullptr;
    QPushButton *m_adjustOrder = nullptr;
    QTableView *m_entries = nullptr;
    QPushButton *m_modify = nullptr;
};
