#pragma once
#include "ReferenceRange.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

// Configuration tables: "config_rw.db" (users, config) and "config.db" (QC, projectInfo,
// referencesRange). Both are opened on demand and seeded from the built-in copies when missing.
class configAccess
{
public:
    static configAccess* getInstance();

    // valueStr of `key` in table config; empty when missing or on failure.
    QString getConfig(const QString& key);
    // Stores `value` under `key`; an existing key keeps its note. Returns whether it ran.
    bool setConfig(const QString& key, const QString& value);
    // passwd of the user `name`; empty when missing or on failure.
    QString getPasswd(const QString& name);
    // Sets the password of the user `name` (adds the user when missing). Returns whether it ran.
    bool setPasswd(const QString& name, const QString& passwd);
    // Deletes every config key ending in "_NETMAXID". Returns whether it ran.
    bool clearRecordConfig();

    // {downLimit, upLimit} of item `projectName` from table QC; empty when it has no row.
    QVector<double> getQcLimits(const QString& projectName);
    // Item codes of table projectInfo, in their order.
    QStringList getProjectNames();
    // Reference ranges of item `indicators` (every item when empty). Returns whether it ran.
    bool getReferenceRanges(const QString& indicators, QVector<ReferenceRange>* out);
    // Closes "config.db" and forgets cached QC limits (call before replacing the file).
    void closeConfigDb();

private:
    configAccess() = default;
    bool openConfigRw(const char* caller);
    bool openConfig(const char* caller);
    // First column of the first row of `sql` (one bound value) on "config_rw"; empty otherwise.
    QString readConfigRwText(const char* caller, const char* sql, const QString& key);
    // Runs `sql` with `values` bound on "config_rw". Returns whether it ran.
    bool execConfigRw(const char* caller, const char* sql, const QVariantList& values);

    QMap<QString, QVector<double>> m_qcLimits;
    bool m_qcLoaded = false;
};
