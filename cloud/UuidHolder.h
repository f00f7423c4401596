#pragma once
#include <QString>

// The process-wide id of this program instance towards the cloud: a random UUID in braced text
// form, made once when the holder is first asked for.
class UuidHolder
{
public:
    static UuidHolder* getInstance();
    QString uuid() const { return m_uuid; }

private:
    UuidHolder();
    QString m_uuid;
};
