#pragma once
#include <QString>

// Holder of the main database ("database.db2" serial, "database.db3" network) on the default
// connection.
class dbHelper
{
public:
    static dbHelper* getInstance();

    // Opens the main database named by the acquisition mode ("./saveFile/database.ini",
    // systemCfg/get: "3" network, else serial), seeding a missing file from the built-in copy.
    // Returns whether it opened.
    bool openDatabase();
    // Closes the main database.
    void close();
    // File name of the main database of the current acquisition mode.
    static QString currentFileName();
    // Stores the acquisition mode (2 serial, 3 network); the database is not reopened.
    // Returns whether the file was written.
    static bool setAcquisitionMode(int mode);

    // Brings `fileName` to the current schema over the temporary connection "init": creates
    // missing tables and adds missing columns, keeping every row. Returns whether it succeeded.
    static bool upgradeSchema(const QString& fileName);
    // Start-up: seeds "database.db2" and "database.db3" from the built-in copies when missing
    // and upgrades both. Returns whether both are usable.
    static bool prepareMainDatabases();

private:
    dbHelper() = default;
};
