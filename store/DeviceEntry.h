#pragma once
#include <QString>

// One device account as the cloud's device register holds it.
struct DeviceEntry
{
    QString devicename;
    QString devicepassword;
};
