#include "TestSupport.h"

#include <QDir>

TempWorkDir::TempWorkDir() : m_previous(QDir::currentPath())
{
    if (m_dir.isValid())
        QDir::setCurrent(m_dir.path());
}

TempWorkDir::~TempWorkDir()
{
    QDir::setCurrent(m_previous);
}

QString testDataDir()
{
    return QString::fromLocal8Bit(qgetenv("CHEMDESK_TEST_DATA"));
}

QString buildDir()
{
    return QString::fromLocal8Bit(qgetenv("CHEMDESK_BIN_DIR"));
}
