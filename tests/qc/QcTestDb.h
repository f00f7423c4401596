#pragma once
#include "DictEntry.h"
#include "Indexdb.h"
#include "Inspectordb.h"
#include "Reviewerdb.h"
#include "Speciesdb.h"
#include "TestSupport.h"
#include "dbHelper.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

// A working folder with a fresh main database, a configuration database with QC limits and
// project names, and a few lookup entries.
struct QcTestDb
{
    TempWorkDir dir;

    bool setUp()
    {
        {
            QSqlDatabase cfg = QSqlDatabase::addDatabase("QSQLITE", "qc_test_cfg");
            cfg.setDatabaseName(dir.file("config.db"));
            if (!cfg.open())
                return false;
            QSqlQuery q(cfg);
            const char* sql[] = {
                "CREATE TABLE QC (id INTEGER PRIMARY KEY, projectName TEXT, downLimit REAL, upLimit REAL)",
                "INSERT INTO QC (projectName, downLimit, upLimit) VALUES ('TP', 50, 70), ('ALB', 20, 30)",
                "CREATE TABLE projectInfo (id INTEGER PRIMARY KEY, projectName TEXT, sortIndex INTEGER)",
                "INSERT INTO projectInfo (projectName, sortIndex) VALUES ('TP', 1), ('ALB', 2), ('GLU', 3)",
            };
            for (const char* s : sql) {
                if (!q.exec(s))
                    return false;
            }
            cfg.close();
        }
        QSqlDatabase::removeDatabase("qc_test_cfg");

        if (!dbHelper::upgradeSchema("database.db2") || !dbHelper::getInstance()->openDatabase())
            return false;
        return Speciesdb().replaceRows({{QString::fromUtf8("内科")}, {QString::fromUtf8("外科")}})
            && Inspectordb().replaceRows({{QString::fromUtf8("张三")}})
            && Reviewerdb().replaceRows({{QString::fromUtf8("李四")}});
    }

    static QString analytes()
    {
        QJsonArray a;
        a.append(QJsonObject{{"N", "TP"}, {"I", QJsonArray{65.0, 0, 0, 60.0, 120, "g/L"}}});
        a.append(QJsonObject{{"N", "ALB"}, {"I", QJsonArray{25.5, 0, 0, 25.0, 60, "g/L"}}});
        a.append(QJsonObject{{"N", "GLU"}, {"I", QJsonArray{5.6, 0, 0, 5.5, 30, "mmol/L"}}, {"addType", 1}});
        return QString::fromUtf8(QJsonDocument(a).toJson(QJsonDocument::Compact));
    }

    // Stores one QC result and returns its id.
    static int insert(int product, const QString& lot, const QString& division, const QString& machine,
                      const QDateTime& time, const QString& result = analytes())
    {
        PanelQcResult r;
        r.QcProduct = product;
        r.QcLot = lot;
        r.division = division;
        r.machineid = machine;
        r.chkdatetime = time;
        r.result = result;
        r.panelid = 3;
        r.panelindex = 7;
        r.panellot = "2024";
        r.Errcode = "001";
        r.patientinfo = "{\"Qc\":true}";
        Indexdb db;
        if (!db.insertQcResult(r))
            return -1;
        QSqlQuery q(QSqlDatabase::database());
        return q.exec("select max(id) from PanelQcResult") && q.next() ? q.value(0).toInt() : -1;
    }

    static void clear()
    {
        QSqlQuery q(QSqlDatabase::database());
        q.exec("delete from PanelQcResult");
    }

    static PanelQcResult byId(int id)
    {
        PanelQcResult r;
        Indexdb().queryQcById(id, &r);
        return r;
    }

    static QStringList codes(const QString& result)
    {
        QStringList out;
        const QJsonArray a = QJsonDocument::fromJson(result.toUtf8()).array();
        for (const QJsonValue& v : a)
            out << v.toObject().value("N").toString();
        return out;
    }
};
