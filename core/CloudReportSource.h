#pragma once
#include "DeviceEntry.h"
#include "PanelChkRecord.h"

#include <QString>
#include <QVector>

// What the network import reads from the cloud: the device register and the report rows.
// The cloud link implements it over the remote report database.
class CloudReportSource
{
public:
    virtual ~CloudReportSource() = default;

    // Stores the clinic's details on the cloud's record of the device.
    virtual bool updateDeviceInfo(QString hospital, QString phone, QString address,
                                  QString devicename) = 0;
    // Appends the active register entry of the device (exact name), at most one. False when
    // the register could not be read.
    virtual bool findDevice(const QString& devicename, QVector<DeviceEntry>* out) = 0;
    // Appends up to 100000 report rows of the device from the row offset on, in cloud id
    // order. Each record's id is its cloud id. False when the rows could not be read.
    virtual bool findReport(const QString& machineid, int offset, QVector<PanelChkRecord>* out) = 0;
    // Appends every report row of the device whose cloud id is above `maxId`, in id order.
    virtual bool findReportEx(const QString& machineid, int& maxId, QVector<PanelChkRecord>* out) = 0;
};
