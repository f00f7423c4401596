#include "MainWindowTestKit.h"

#include "FileUtils.h"
#include "Index.h"
#include "Indexdb.h"
#include "MyMessageBox.h"
#include "TestSupport.h"
#include "dbHelper.h"
#include "ui_Index.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QRegularExpression>
#include <QSettings>
#include <QSqlQuery>
#include <QTest>

bool prepareMainDatabase()
{
    QDir().mkpath(QStringLiteral("saveFile"));
    copyFileIfMissing(QStringLiteral(":/DB/Chinese/database.db2"), QStringLiteral("database.db2"));
    copyFileIfMissing(QStringLiteral(":/DB/Chinese/database.db3"), QStringLiteral("database.db3"));
    if (!dbHelper::upgradeSchema(QStringLiteral("database.db2")))
        return false;
    {
        QSettings mode(QStringLiteral("./saveFile/database.ini"), QSettings::IniFormat);
        mode.setValue(QStringLiteral("systemCfg/get"), 2);
    }
    dbHelper::getInstance()->close();
    return dbHelper::getInstance()->openDatabase();
}

SimProcess::~SimProcess()
{
    stop();
}

bool SimProcess::start(const QStringList& args)
{
    const QString bin = buildDir() + "/tools/analyzer-sim/analyzer-sim";
    m_lines.clear();
    m_port.clear();
    // A link of its own outside /tmp/ttyCDSIM*, so that no port scanner of a test running
    // beside this one lists it.
    static int serial = 0;
    const QString link = QDir::current().absoluteFilePath(QStringLiteral("ttySIM%1").arg(serial++));
    m_process.start(bin, QStringList(args) << QStringLiteral("--link") << link << QStringLiteral("--exit-with-parent"));
    if (!m_process.waitForStarted(5000))
        return false;
    return QTest::qWaitFor([&] {
        readLines();
        return !m_port.isEmpty();
    }, 5000);
}

void SimProcess::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(3000)) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
    readLines();
}

void SimProcess::readLines()
{
    while (m_process.canReadLine()) {
        const QString line = QString::fromLocal8Bit(m_process.readLine()).trimmed();
        if (line.startsWith(QLatin1String("port: ")) && m_port.isEmpty())
            m_port = line.mid(6);
        m_lines << line;
    }
}

QStringList SimProcess::log()
{
    readLines();
    return m_lines;
}

QList<int> SimProcess::servedRowids()
{
    readLines();
    QList<int> rowids;
    static const QRegularExpression sent(QStringLiteral("^-> ReResultQuery rowid=(\\d+)$"));
    for (const QString& line : qAsConst(m_lines)) {
        const auto m = sent.match(line);
        if (m.hasMatch())
            rowids << m.captured(1).toInt();
    }
    return rowids;
}

MessageBoxCloser::MessageBoxCloser()
{
    connect(&m_timer, &QTimer::timeout, this, &MessageBoxCloser::poll);
    m_timer.start(30);
}

void MessageBoxCloser::poll()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* w : windows) {
        auto* box = qobject_cast<MyMessageBox*>(w);
        if (!box || !box->isVisible())
            continue;
        QStringList parts;
        const QList<QLabel*> labels = box->findChildren<QLabel*>();
        for (QLabel* label : labels) {
            if (!label->text().isEmpty())
                parts << label->text();
        }
        texts << parts.join(QLatin1Char('|'));
        if (!grabTo.isEmpty()) {
            box->grab().save(grabTo);
            grabTo.clear();
        }
        if (accept)
            box->accept();
        else
            box->reject();
    }
}

void connectTo(Index& window, const QString& port)
{
    window.form()->cmbPortName->clear();
    window.form()->cmbPortName->addItem(port);
    window.form()->cmbPortName->setCurrentIndex(0);
    QTest::mouseClick(window.form()->okButton, Qt::LeftButton);
}

QStringList storedRows()
{
    QStringList rows;
    QSqlQuery q(QStringLiteral("select chkdatetime, patientinfo from PanelChkResult order by id"));
    while (q.next()) {
        const QJsonObject p = QJsonDocument::fromJson(q.value(1).toString().toUtf8()).object();
        rows << QStringLiteral("S|%1|%2").arg(q.value(0).toDateTime().toString(Qt::ISODate), p.value("id").toString());
    }
    QSqlQuery qc(QStringLiteral("select chkdatetime, patientinfo from PanelQcResult order by id"));
    while (qc.next()) {
        const QJsonObject p = QJsonDocument::fromJson(qc.value(1).toString().toUtf8()).object();
        rows << QStringLiteral("Q|%1|%2").arg(qc.value(0).toDateTime().toString(Qt::ISODate), p.value("id").toString());
    }
    return rows;
}

QStringList expectedRows(const QJsonArray& served)
{
    QStringList samples;
    QStringList qcs;
    for (const QJsonValue& v : served) {
        const QJsonObject r = v.toObject();
        const QJsonObject p = QJsonDocument::fromJson(r.value("patientinfo").toString().toUtf8()).object();
        const QString when = QDateTime::fromString(r.value("chkdatetime").toString(), "yyyy-MM-dd hh:mm:ss").toString(Qt::ISODate);
        if (p.value("Qc").toBool())
            qcs << QStringLiteral("Q|%1|%2").arg(when, p.value("id").toString());
        else
            samples << QStringLiteral("S|%1|%2").arg(when, p.value("id").toString());
    }
    return samples + qcs;
}

QJsonArray readJsonArray(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QJsonArray();
    return QJsonDocument::fromJson(f.readAll()).array();
}

int storedCount(const QString& machineId)
{
    Indexdb db;
    return db.countByMachine(machineId);
}
