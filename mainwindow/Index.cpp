#include "Index.h"
#include "LanguageLoader.h"
#include "ui_Index.h"

#include "CaseForm.h"
#include "CloudConfig.h"
#include "FileUtils.h"
#include "Patientfind.h"
#include "PcComData.h"
#include "ResultListModel.h"
#include "PrintSettings.h"
#include "Rabbitmq.h"
#include "SingleInstanceGuard.h"
#include "SystemSettings.h"
#include "configAccess.h"
#include "dataAccess.h"
#include "dlgLogin.h"
#include "wgtQcReport.h"
#include "qvHeaderView.h"


#include <QAction>
#include <QDate>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QMenu>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStyledItemDelegate>
#include <QUrl>

#include <algorithm>

Index::Index(QWidget* parent)
    : QMainWindow(parent)
    , ui(new Ui::Index)
    , m_version(QStringLiteral("1.5v"))
{
    // Language switches made through this window load their translator (start-up makes the
    // loader first; this only matters where no start-up ran).
    LanguageLoader::instance();
    ui->setupUi(this);
    m_caseForm = new CaseForm(ui);
    ui->pushButton_AI->hide();

    connect(this, &Index::signal_reopenApp, this, &Index::slot_reopenApp);
    listenReopenEvent();

    ui->remark->hide();
    ui->tabWidget->setCurrentIndex(0);

    connect(this, &Index::signal_F6, this, &Index::slot_F6, Qt::QueuedConnection);
    setLocaleByLanguage(getLanguage());

    setWindowState(windowState() | Qt::WindowMaximized);
    setWindowTitle(tr("生化管理平台"));
    setWindowIcon(QIcon(QStringLiteral(":/images/logo.ico")));

    m_updateManager = new QNetworkAccessManager(this);
    connect(m_updateManager, &QNetworkAccessManager::finished, this, &Index::replyFinished);
    requestUpdateDescription();

    m_caseForm->clear();
    ui->sampletime->setCalendarPopup(true);
    ui->sendinspectordate->setCalendarPopup(true);
    ui->chkdatetime->setCalendarPopup(true);

    m_resultModel = new ResultListModel(&m_indexdb, this);
    ui->tableWidget->setModel(m_resultModel);
    setListHeaders();
    QHeaderView* listHeader = ui->tableWidget->horizontalHeader();
    listHeader->setSectionsClickable(false);
    listHeader->setSectionResizeMode(QHeaderView::Interactive);
    listHeader->setStretchLastSection(true);
    // Columns are measured as rows come, never over the whole list.
    connect(m_resultModel, &QAbstractItemModel::modelReset, this,
            [this] { fitListColumns(0, m_resultModel->rowCount() - 1, true); });
    connect(m_resultModel, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { fitListColumns(first, last, false); });
    connect(m_resultModel, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& from, const QModelIndex& to) { fitListColumns(from.row(), to.row(), false); });
    ui->tableWidget->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);

    auto* detailHeader = new qvHeaderView(Qt::Horizontal, ui->tableWidget_2);
    connect(detailHeader, &qvHeaderView::signal_check, this, &Index::slot_detailcheck);
    detailHeader->addCheckSection(1);
    ui->tableWidget_2->setHorizontalHeader(detailHeader);
    detailHeader->setSectionResizeMode(QHeaderView::ResizeToContents);
    detailHeader->setSectionResizeMode(2, QHeaderView::Stretch); // the full name takes what is left
    ui->tableWidget_2->setColumnHidden(4, true); // the target shows for QC runs only

    ui->tableWidget->setColumnHidden(0, true);

    m_patientfind = new Patientfind(this);
    connect(m_patientfind, &Patientfind::sendresult, this, &Index::receiveresult);

    // The analyzer link, the conversation with its timers and the port scanner.
    setUpSerial();
    connect(Rabbitmq::getInstance(), &Rabbitmq::reciveRabbit, this, &Index::reciveReport_slot);

    ui->tableWidget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui->tableWidget->setSelectionBehavior(QAbstractItemView::SelectRows);
    ui->tableWidget->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ui->tableWidget->setStyleSheet(QStringLiteral("selection-background-color:lightblue;"));
    ui->tableWidget_2->setSelectionBehavior(QAbstractItemView::SelectRows);
    ui->tableWidget_2->setStyleSheet(QStringLiteral("selection-background-color:lightblue;"));
    ui->tableWidget_2->setCornerButtonEnabled(false);

    applyShortcuts();

    m_isPortOpen = false;
    ui->dataButton->show();

    buildDataMenu();
    showLoginIfEnabled();
    m_resultModel->showAll();
    migrateLegacyAccount();
    ui->cmbPortName->setItemDelegate(new QStyledItemDelegate(this));
    writePrintDefaults();
    ui->pushButton_7->hide();
    copyFileIfMissing(QStringLiteral(":/images/logo_qv.png"), QDir::currentPath() + "/print_logo_qv.png");
    initComboBox();
    // A result leaving the list may be the one the case form and detail view show.
    connect(ui->tableWidget->model(), &QAbstractItemModel::rowsRemoved, this, &Index::dropShownResultIfGone,
            Qt::QueuedConnection);
    connect(ui->tableWidget->model(), &QAbstractItemModel::modelReset, this, &Index::dropShownResultIfGone,
            Qt::QueuedConnection);
}

Index::~Index()
{
    // The list view outlives the store its model reads from (members go before child widgets):
    // hiding it on the way out may scroll it and ask the model for more rows.
    ui->tableWidget->setModel(nullptr);
    delete m_caseForm;
    delete ui;
}

void Index::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
}

// This platform has no named event: the single-instance guard of the application listens on a
// local socket and reports a second start through its own signal.
void Index::listenReopenEvent()
{
    if (SingleInstanceGuard* guard = SingleInstanceGuard::instance())
        connect(guard, &SingleInstanceGuard::signal_reopenApp, this, &Index::signal_reopenApp);
}

void Index::setLocaleByLanguage(const QString& language)
{
    QLocale::setDefault(LanguageLoader::localeForLanguage(language));
}

// The data menu of pushButton_10; rebuilt on a language change, the old one is freed.
void Index::buildDataMenu()
{
    QMenu* old = m_dataMenu;
    m_dataMenu = new QMenu(this);
    QAction* backup = new QAction(tr("数据备份"), m_dataMenu);
    QAction* restore = new QAction(tr("数据恢复"), m_dataMenu);
    QAction* recycle = new QAction(tr("报告回收站"), m_dataMenu);
    m_dataMenu->addAction(backup);
    m_dataMenu->addAction(restore);
    m_dataMenu->addAction(recycle);
    m_dataMenu->setWindowFlags(m_dataMenu->windowFlags() | Qt::FramelessWindowHint);
    m_dataMenu->setAttribute(Qt::WA_TranslucentBackground);
    ui->pushButton_10->setMenu(m_dataMenu);
    ui->pushButton_10->show();
    connect(backup, &QAction::triggered, this, &Index::slot_backupsqlUI);
    connect(restore, &QAction::triggered, this, &Index::slot_restoresqlUI);
    connect(recycle, &QAction::triggered, this, &Index::slot_historyrecordUI);
    if (old)
        old->deleteLater();
}

void Index::showLoginIfEnabled()
{
    const QString isLogin = configAccess::getInstance()->getConfig(QStringLiteral("islogin"));
    bool ok = false;
    if (isLogin.isEmpty() || isLogin.toInt(&ok, 10) != 1 || !ok)
        return;
    if (!m_login)
        m_login = new dlgLogin(this);
    const QString hint = configAccess::getInstance()->getConfig(QStringLiteral("passwdTip"));
    const QString password = configAccess::getInstance()->getPasswd(QStringLiteral("admin"));
    m_login->makeLoginBackground(grab(rect()));
    m_login->m_password = password;
    m_login->setHint(hint);
    m_login->show();
}

// "./saveFile/user.ini" held one device account in older versions: store it with the accounts
// ("database.db3", where the account dialog and the network import read them, whatever the mode),
// then remove the file. The file is kept when the account could not be stored, so nothing is lost.
void Index::migrateLegacyAccount()
{
    const QString path = QStringLiteral("./saveFile/user.ini");
    if (!QFile::exists(path))
        return;
    const QString group = QStringLiteral("systemCfg");
    const QString name = readIniValue(path, group, QStringLiteral("devicename"), QString()).toString();
    const QString password = readIniValue(path, group, QStringLiteral("devicepassword"), QString()).toString();
    if (!name.isEmpty() && !password.isEmpty()) {
        const QString connection = QStringLiteral("legacy_account");
        bool stored = false;
        if (dataAccess::getInstance()->open(connection, QStringLiteral("database.db3"),
                                            QStringLiteral(":/DB/Chinese/database.db3"))) {
            Userdb accounts(nullptr, connection);
            QVector<UserEntry> existing;
            if (accounts.queryAll(&existing)) {
                stored = std::any_of(existing.cbegin(), existing.cend(), [&](const UserEntry& u) {
                    return u.devicename == name && u.devicepassword == password;
                });
                if (!stored) {
                    UserEntry entry;
                    entry.devicename = name;
                    entry.devicepassword = password;
                    stored = accounts.insertData(entry);
                }
            }
        }
        dataAccess::getInstance()->remove(connection);
        if (!stored) {
            qDebug() << "Index::migrateLegacyAccount account not stored, user.ini kept";
            return;
        }
    }
    QFile::remove(path);
}

void Index::writePrintDefaults()
{
    PrintSettings::applyStartupDefaults(getLanguage());
}

// Plain HTTP GET of the update description from the domestic cloud server.
void Index::requestUpdateDescription()
{
    const QString host = CloudConfig::forRegion(QStringLiteral("cn")).httpHost;
    QUrl url;
    url.setScheme(QStringLiteral("http"));
    url.setHost(host);
    url.setPort(8090);
    url.setPath(QStringLiteral("/qt/software_update.json"));
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("RT-Thread ART"));
    m_updateManager->get(request);
}

void Index::configReplaced()
{
    ui->wgt_qc_report->showLimitsAgain();
}

void Index::refreshQcTab()
{
    ui->wgt_qc_report->refreshData();
}
