#include "Translateword.h"

#include "FileUtils.h"
#include "SystemSettings.h"

#include <QDebug>
#include <QScopedPointer>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryFile>

const QMap<QString, int> analyteIdMap = {
    {"TP", 29},    {"ALB", 30},   {"GLOB", 31},  {"A/G", 32},   {"TBIL", 33},  {"DBIL", 34},
    {"IBIL", 35},  {"ALT", 36},   {"AST", 37},   {"ALP", 38},   {"GGT", 39},   {"TBA", 40},
    {"CHE", 41},   {"AMY", 42},   {"LPS", 43},   {"CK", 44},    {"CK-MB", 45}, {"LDH", 46},
    {"CRE", 47},   {"UREA", 48},  {"UA", 49},    {"GLU", 50},   {"TC", 51},    {"CHOL", 52},
    {"TG", 53},    {"HDL-C", 54}, {"LDL-C", 55}, {"Ca", 56},    {"Ca2+", 57},  {"P", 58},
    {"PHOS", 59},  {"Mg2+", 60},  {"K+", 61},    {"Na+", 62},   {"Cl-", 63},   {"NH3", 64},
    {"HCY", 65},   {"CRP", 66},   {"FRU", 67},   {"LAC", 68},   {"tCO2", 69},  {"B/C", 70},
    {"BUN", 71},
};

const QMap<int, int> divisionIndexMap = {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}};
const QMap<int, int> sampleTypeIndexMap = {{0, 7}, {1, 8}, {2, 9}};
const QMap<int, int> sexIndexMap = {{0, 10}, {1, 11}};
// The analyzer numbers its panels from 1 (1 comprehensive, 2 liver, 3 kidney, ...).
const QMap<int, int> panelIndexMap = {
    {1, 12},  {2, 13},  {3, 14},  {4, 15},  {5, 16},  {6, 17},  {7, 18},  {8, 19},  {9, 20},
    {10, 21}, {11, 22}, {12, 23}, {13, 24}, {14, 25}, {15, 26}, {16, 27}, {17, 28},
};

namespace {
const char* const kConnection = "trans";
const char* const kFile = "trans.db";
const char* const kSeed = ":/DB/Chinese/trans.db";
} // namespace

Translateword* Translateword::getInstance()
{
    static Translateword* instance = new Translateword;
    return instance;
}

bool Translateword::initTrans()
{
    m_rows.clear();
    m_languages.clear();
    m_loaded = false;

    copyFileIfMissing(QString::fromLatin1(kSeed), QString::fromLatin1(kFile));
    bool ok = readTable(QString::fromLatin1(kFile));
    if (!ok) {
        qDebug() << "Translateword::initTrans fail!!! ";
        // The program never writes the table: answer from the built-in copy and leave the
        // unreadable file as it is.
        QScopedPointer<QTemporaryFile> seed(QTemporaryFile::createNativeFile(QString::fromLatin1(kSeed)));
        ok = seed && readTable(seed->fileName());
    }
    m_loaded = ok;
    return ok;
}

bool Translateword::readTable(const QString& fileName)
{
    m_rows.clear();
    m_languages.clear();
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::contains(kConnection)
                              ? QSqlDatabase::database(kConnection, false)
                              : QSqlDatabase::addDatabase("QSQLITE", kConnection);
        db.setDatabaseName(fileName);
        db.setConnectOptions("QSQLITE_OPEN_READONLY");
        if (db.open()) {
            QSqlQuery query(db);
            const QString sql = "select * from langs";
            if (query.exec(sql)) {
                const QSqlRecord record = query.record();
                const int idColumn = record.indexOf("id");
                for (int i = 0; i < record.count(); ++i)
                    if (i != idColumn)
                        m_languages << record.fieldName(i);
                while (idColumn >= 0 && query.next()) {
                    QHash<QString, QString> words;
                    for (int i = 0; i < record.count(); ++i)
                        if (i != idColumn)
                            words.insert(record.fieldName(i), query.value(i).toString());
                    m_rows.insert(query.value(idColumn).toInt(), words);
                }
                ok = idColumn >= 0;
            } else {
                qDebug() << "Translateword::initTrans sql:" << sql << " error:"
                         << query.lastError().text();
            }
            query.finish();
            db.close();
        }
    }
    if (!ok) {
        m_rows.clear();
        m_languages.clear();
    }
    return ok;
}

bool Translateword::ensureLoaded()
{
    return m_loaded || initTrans();
}

QString Translateword::transByIndex(int index, const QString& language)
{
    if (index < 0 || !ensureLoaded())
        return QString();
    const auto row = m_rows.constFind(index);
    if (row == m_rows.constEnd())
        return QString();
    return row->value(language);
}

QString Translateword::transByIndex(int index)
{
    return transByIndex(index, getLanguage());
}

QString Translateword::transByKey(const QString& code)
{
    const auto it = analyteIdMap.constFind(code);
    if (it == analyteIdMap.constEnd())
        return QString();
    return transByIndex(it.value());
}

QString Translateword::transWord(const QString& word)
{
    if (word.isEmpty() || !ensureLoaded())
        return QString();
    return transWord(word, getLanguage());
}

QString Translateword::transWord(const QString& word, const QString& language)
{
    if (word.isEmpty() || !ensureLoaded())
        return QString();
    // Stored words are Chinese as a rule; look there first so that the answer is stable.
    QStringList order = m_languages;
    if (order.removeOne(QStringLiteral("Chinese")))
        order.prepend(QStringLiteral("Chinese"));
    for (const QString& column : qAsConst(order)) {
        int found = -1;
        for (auto it = m_rows.constBegin(); it != m_rows.constEnd(); ++it) {
            if (it->value(column) == word && (found < 0 || it.key() < found))
                found = it.key();
        }
        if (found >= 0)
            return m_rows.value(found).value(language);
    }
    return QString();
}

QString Translateword::trans(const QString& text, const QMap<int, int>& indexMap)
{
    return trans(text, indexMap, getLanguage());
}

QString Translateword::trans(const QString& text, const QMap<int, int>& indexMap, const QString& language)
{
    bool isNumber = false;
    const int code = text.trimmed().toInt(&isNumber);
    QString word;
    if (isNumber && indexMap.contains(code))
        word = transByIndex(indexMap.value(code), language);
    if (word.isEmpty())
        word = transWord(text, language);
    return word.isEmpty() ? text : word;
}
