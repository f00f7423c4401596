#pragma once
#include "Animalsexdb.h"
#include "Clinicaldb.h"
#include "Clinicaldiagnosisdb.h"
#include "DeviceEntry.h"
#include "Indexdb.h"
#include "Inspectdb.h"
#include "Inspectordb.h"
#include "PanelChkRecord.h"
#include "Projectnamedb.h"
#include "QueryFilter.h"
#include "Referencevaluedb.h"
#include "Reviewerdb.h"
#include "Sampletypedb.h"
#include "Sendinspectordb.h"
#include "Speciesdb.h"
#include "UserEntry.h"
#include "Userdb.h"
#include "AnalyzerConversation.h"
#include "MysqlDatadb.h"
#include "PortChoice.h"
#include "NetworkImport.h"

#include <QJsonObject>
#include <QMainWindow>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <QVector>
#include <functional>

class QMenu;
class ResultListModel;
class dlgLogin;
class QNetworkAccessManager;
class QNetworkReply;
class QTimer;
class Patientfind;
class Historyrecord;
class ConsolidatedReport;
class Language;
class dbresource;
class SettingDialog;
class Referencevalue;
class Hospitalname;
class SiUnit;
class Clinical;
class Upgrade;
class Animalsex;
class Clinicaldiagnosis;
class Inspect;
class Inspector;
class Reviewer;
class Sampletype;
class Sendinspector;
class Species;
class User;
class Help;
class chkReportPage;
class CaseForm;

namespace Ui {
class Index;
}

// The main window: result list, case form, detail view and QC tab; drives the serial
// conversation with the analyzer and opens every dialog of the program.
class Index : public QMainWindow
{
    Q_OBJECT
public:
    explicit Index(QWidget* parent = nullptr);
    ~Index() override;

    // Fills a test-report page from one stored result (empty id: the current result).
    // False (nothing to report) when the result cannot be found or its test results cannot be read.
    bool buildReport(chkReportPage& page, const QSet<QString>& checkedIds, const QString& id);
    // Reads the result list again (the whole live list after a search); selections stay.
    void refreshTable();
    // Shows the results stored since the list last looked, each as one new row.
    void showNewResults();
    // Reads these results again into their rows.
    void showChangedResults(const QList<int>& ids);
    void initComboBox();
    void setLocaleByLanguage(const QString& language);
    void clearRecordList(QVector<PanelChkRecord>* list);
    QSet<QString> getCheckedIds();
    void listenReopenEvent();
    // The configuration file was replaced: shown QC ranges are read from it again.
    void configReplaced();

    // The form, for tests and the report helpers.
    Ui::Index* form() const { return ui; }
    // The result list's model.
    ResultListModel* resultModel() const { return m_resultModel; }

signals:
    void signal_reopenApp();
    void signal_F6();

public slots:
    void changeEvent(QEvent* event) override;

    // serial acquisition
    void on_okButton_clicked();
    void receivemachineid(QString data);
    void receiveresultSize(int data);
    void receiveresultQuery(QJsonObject data);
    void CmdHandleTimeout();
    void ResultSizeHandleTimeout();
    void slotUpdateComItem(QStringList ports);

    // detail view, detail save, reports
    void on_tableWidget_itemSelectionChanged();
    void on_pushButton_6_clicked();
    void on_pushButton_3_clicked();
    void on_pushButton_2_clicked();
    void on_pushButton_9_clicked();
    void on_pushButton_excel_clicked();

    // network acquisition
    void on_dataButton_clicked();
    void reciveReport_slot();
    void replyFinished(QNetworkReply* reply);
    void rabbitsycFinished(QNetworkReply* reply);

    // merged report, backup and restore
    bool on_pushButton_4_clicked();
    void slot_backupsqlUI();
    void slot_restoresqlUI();

    // small commands
    void slot_printpreviewUI();
    void slot_historyrecordUI();
    void RefreshTimer();
    void RefreshTimeout();
    void on_pushButton_11_clicked();
    void slot_F6();
    void on_pushButton_AI_clicked();

    // result list and case form
    void slot_detailcheck(int _index, bool _check);
    void slot_reopenApp();
    void translateglobal();
    void on_pushButton_12_clicked();
    void on_pushButton_14_clicked();
    void on_pushButton_clicked();
    void on_pushButton_5_clicked();
    void on_pushButton_7_clicked();
    void on_pushButton_15_clicked();
    void receiveresult(QueryFilter m_qureyFilter);
    void slotUpdateCaseInfo();
    void on_lineEdit_birthday_textChanged(QString arg1);
    void on_lineEdit_birthday_textEdited(QString arg1);
    void slot_selectItems(QVector<int> _vec);
    void slot_selectItems_2(QVector<int> _vec);

    // dialog openers
    void slot_upgradeUI();
    void slot_hospitalnameUI();
    void slot_siunitUI();
    void slot_referencevalueUI();
    void slot_clinicalUI();
    void slot_userUI();
    void slot_helpUI();
    void slot_animalsexUI();
    void slot_clinicaldiagnosisUI();
    void slot_inspectUI();
    void slot_inspectorUI();
    void slot_reviewerUI();
    void slot_sampletypeUI();
    void slot_sendinspectorUI();
    void slot_speciesUI();
    void slot_languageUI();
    void slot_dbresourceUI();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

public:
    Indexdb m_indexdb;
    Ui::Index* ui;
    bool m_isPortOpen = false;
    QString m_currentId;
    // The result last read by id (detail view, reports); the list keeps its own rows.
    QVector<PanelChkRecord> m_recordList;
    QVector<DeviceEntry> m_deviceList;
    QVector<UserEntry> m_userList;
    Patientfind* m_patientfind = nullptr;
    Language* m_language = nullptr;
    dbresource* m_dbresource = nullptr;
    SettingDialog* m_settingDialog = nullptr;
    Animalsexdb m_animalsexdb;
    Clinicaldiagnosisdb m_clinicaldiagnosisdb;
    Clinicaldb m_clinicaldb;
    Inspectdb m_inspectdb;
    Inspectordb m_inspectordb;
    Referencevaluedb m_referencevaluedb;
    Reviewerdb m_reviewerdb;
    Sampletypedb m_sampletypedb;
    Sendinspectordb m_sendinspectordb;
    Speciesdb m_speciesdb;
    Projectnamedb m_projectnamedb;
    MysqlDatadb m_mysqlDatadb;
    Historyrecord* m_historyrecord = nullptr;
    Userdb m_userdb;
    NetworkImport m_networkImport{m_mysqlDatadb, m_indexdb, m_userdb};
    QPointer<ConsolidatedReport> m_consolidatedReport;   // the last merged report opened
    Referencevalue* m_referencevalue = nullptr;
    Hospitalname* m_hospitalname = nullptr;
    SiUnit* m_siUnit = nullptr;
    Clinical* m_clinical = nullptr;
    Upgrade* m_upgrade = nullptr;
    Animalsex* m_animalsex = nullptr;
    Clinicaldiagnosis* m_clinicaldiagnosis = nullptr;
    Inspect* m_inspect = nullptr;
    Inspector* m_inspector = nullptr;
    Reviewer* m_reviewer = nullptr;
    Sampletype* m_sampletype = nullptr;
    Sendinspector* m_sendinspector = nullptr;
    Species* m_species = nullptr;
    User* m_user = nullptr;
    Help* m_help = nullptr;
    QTimer* m_cmdTimer = nullptr;
    QTimer* m_resultSizeTimer = nullptr;
    QString m_machineId;
    int m_storedCount = 0;
    int m_resultTotal = 0;
    int m_cmdInterval = 500;
    int m_resultSizeInterval = 3000;
    // Watchdog interval after every command that follows the machine id.
    int m_replyInterval = 5000;
    QNetworkAccessManager* m_updateManager = nullptr;
    QNetworkAccessManager* m_sycManager = nullptr;
    QString m_version;
    dlgLogin* m_login = nullptr;

private:
    // Serial conversation (IndexSerial.cpp): the window's side of AnalyzerConversation.
    void setUpSerial();
    void closeLink(bool keepMachineId);
    void syncSerialState();
    void onSerialEnded(AnalyzerConversation::EndReason reason);
    // A stored sample result goes to the result list, a stored QC run to the QC tab.
    void onResultStored(int rowid, bool qc);
    // The connect button's text for the link's state (also after a language change).
    enum class LinkButton { Connect, Disconnect, Reconnect };
    void showLinkButton(LinkButton state);
    LinkButton m_linkButton = LinkButton::Connect;
    // Result list helpers (IndexList.cpp).
    void changeList(const std::function<void()>& change);
    void setListHeaders();
    void fitListColumns(int first, int last, bool exact);
    QList<int> selectedResultIds() const;
    int firstSelectedResultId() const;
    // Start-up steps (Index.cpp).
    void buildDataMenu();
    void showLoginIfEnabled();
    void migrateLegacyAccount();
    void writePrintDefaults();
    void requestUpdateDescription();
    void refreshQcTab();
    // Network import helpers (IndexNetwork.cpp).
    void registerWithCloud(const QString& device);
    void showModeLabel();
    void runPendingAutoImport();
    // Report commands helper (IndexReport.cpp).
    void exportCurrentReport(const QString& filter, bool excel);

    // Shortcuts (IndexCase.cpp); the shown result and its analyte names (IndexDetail.cpp).
    void applyShortcuts();
    void dropShownResultIfGone();
    // Empties the case form and the detail view.
    void clearShownResult();
    void retranslateDetailNames();
    CaseForm* m_caseForm = nullptr;

    QMenu* m_dataMenu = nullptr;
    ResultListModel* m_resultModel = nullptr;
    AnalyzerConversation* m_conversation = nullptr;
    PortChoice m_portChoice;
    // A cloud notice arrived while an import ran.
    bool m_autoImportPending = false;
};
