#pragma once
#include "CloudReportSource.h"
#include "DeviceEntry.h"
#include "PanelChkRecord.h"
#include "PanelQcResult.h"
#include "UserEntry.h"

#include <QString>
#include <QVector>
#include <functional>

class Indexdb;
class Userdb;

// Imports the report rows of every stored device account from the cloud into the main
// database (default connection). Each device has one checkpoint, the highest cloud id stored,
// kept in the main database itself and copied to "<device>_NETMAXID" in the key/value settings
// of "config_rw.db"; the rows of one fetch and the new checkpoint are committed together, so a
// row is never stored twice nor lost, whatever fails or stops the program in between, and a
// restored database carries the checkpoint of the rows it holds.
class NetworkImport
{
public:
    enum class Status {
        Done,             // every account went through (stored may be 0)
        NoAccounts,       // no device account is stored
        Offline,          // the cloud could not be read
        AccountRejected,  // the device is not registered or its password differs
        StoreFailed,      // the local store refused the rows: nothing of the device was kept
        Busy,             // an import is already running
    };
    struct Outcome
    {
        Status status = Status::Done;
        int stored = 0;       // rows stored by this import, QC runs included
        QString device;       // the device the import stopped at
    };
    struct Clinic
    {
        QString hospital;
        QString address;
        QString phone;
    };

    NetworkImport(CloudReportSource& cloud, Indexdb& indexdb, Userdb& userdb);

    // The manual import: for every account in order, writes the clinic's details to the cloud
    // (when any is set), checks the account against the cloud's register, imports its new rows
    // and calls `registerDevice` with the device name. Stops at the first failing account.
    Outcome importAll(const Clinic& clinic, const std::function<void(const QString&)>& registerDevice);
    // The import on a cloud notice: the new rows of every account, without the register check.
    Outcome importNotified();
    // Imports the new rows of one device. `stored` gets the number of rows stored.
    Status importDevice(const QString& device, int* stored);

    bool isBusy() const { return m_busy; }

    static QString checkpointKey(const QString& device);
    // The device's checkpoint in "config_rw.db"; -1 when missing, negative or not a number.
    static int readCheckpoint(const QString& device);
    // The QC result stored for a fetched QC run.
    static PanelQcResult qcResultFrom(const PanelChkRecord& row);

private:
    bool loadAccounts(QVector<UserEntry>* users);
    bool readyToImport(Outcome* out, QVector<UserEntry>* users);
    // Fetches the device's rows above the checkpoint (from the row offset when there is none)
    // and stores them and the new checkpoint in one transaction: all of it or nothing.
    Status storeRows(const QString& device, int checkpoint, int offset, int* stored);
    // Attaches "config_rw.db" and opens the transaction; endStore commits (or rolls back) and
    // detaches. endStore is false when nothing was kept.
    bool beginStore(const QString& device);
    bool endStore(bool commit);

    CloudReportSource& m_cloud;
    Indexdb& m_indexdb;
    Userdb& m_userdb;
    bool m_busy = false;
};
