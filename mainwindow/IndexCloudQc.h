#pragma once
// The cloud and QC pieces the main window uses. Until their own library provides them, minimal
// stand-ins with the same interface keep the window building; the real classes take over as
// soon as their headers are on the include path.
#include "QcQueryFilter.h"

#include <QDialog>
#include <QObject>
#include <QPixmap>
#include <QString>
#include <QUuid>
#include <QWidget>

#if __has_include("MysqlDatadb.h")
#include "MysqlDatadb.h"
#else
class MysqlDatadb : public QObject
{
public:
    explicit MysqlDatadb(QObject* parent = nullptr) : QObject(parent) {}
    bool updateDeviceInfo(QString, QString, QString, QString) { return false; }
};
#endif

#if __has_include("UuidHolder.h")
#include "UuidHolder.h"
#else
class UuidHolder
{
public:
    static UuidHolder* getInstance()
    {
        static UuidHolder holder;
        return &holder;
    }
    QString uuid() const { return m_uuid; }

private:
    QString m_uuid = QUuid::createUuid().toString();
};
#endif

#if __has_include("dlgLogin.h")
#include "dlgLogin.h"
#else
class dlgLogin : public QDialog
{
public:
    explicit dlgLogin(QWidget* parent = nullptr) : QDialog(parent) {}
    void makeLoginBackground(const QPixmap&) {}
    void setHint(const QString&) {}
    QString m_password;
};
#endif

#if __has_include("wgtQcReport.h")
#include "wgtQcReport.h"
#else
class wgtQcReport : public QWidget
{
public:
    explicit wgtQcReport(QWidget* parent = nullptr) : QWidget(parent) {}
    void refreshData() {}
    void queryData(QcQueryFilter) {}
    void initComboBox() {}
};
#endif

#if __has_include("dlgQcQuery.h")
#include "dlgQcQuery.h"
#else
class dlgQcQuery : public QDialog
{
public:
    explicit dlgQcQuery(QWidget* parent = nullptr) : QDialog(parent) {}
    QcQueryFilter filter() const { return QcQueryFilter(); }
};
#endif

#if __has_include("RecycleBin.h")
#include "RecycleBin.h"
#else
class RecycleBin : public QDialog
{
public:
    explicit RecycleBin(QWidget* parent = nullptr) : QDialog(parent) {}
};
#endif
