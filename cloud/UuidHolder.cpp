#include "UuidHolder.h"

#include <QUuid>

UuidHolder::UuidHolder() : m_uuid(QUuid::createUuid().toString(QUuid::WithBraces)) {}

UuidHolder* UuidHolder::getInstance()
{
    static UuidHolder* instance = new UuidHolder;
    return instance;
}
