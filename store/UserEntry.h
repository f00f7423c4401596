#pragma once
#include <QString>

// One locally stored device account.
struct UserEntry
{
    int id = 0;
    QString devicename;
    QString devicepassword;
};
