#pragma once

#include "EntryListModel.h"
#include "application/Installation.h"
#include "editorwindow/EditorContext.h"

#include <QDialog>

#include <optional>

class ClientConfig;
class QAction;
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
    explicit CLexivoDlg(const ClientConfig &config, QWidget *parent = nullptr);
    ~CLexivoDlg() override;

    // Opens the installation in the current directory and fills the language
    // list. False, after telling the user, when a required folder or the
    // reference file is missing: the program then ends.
    bool OnInitDialog();

    // The editor hands the saved values to the entry list.
    void UpdateListValues(const ValueMap &values);

    Installation &installation() { return m_installation; }
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
    void exportForTranslation();
    void showOverview();
    void layoutControls();
    void setColumnWidths();

    const ClientConfig &m_config;
    Installation m_installation;
    KeySet m_extraAttributes; // of the listed language's file
    EntryListModel m_entryList;
    int m_listedLanguage = -1; // the language whose entries the list holds

    QLabel *m_languageLabel = nullptr;
    QComboBox *m_languages = nullptr;
    QPushButton *m_addLanguage = nullptr;
    QPushButton *m_adjustOrder = nullptr;
    QTableView *m_entries = nullptr;
    QPushButton *m_modify = nullptr;
    QAction *m_export = nullptr;
};
