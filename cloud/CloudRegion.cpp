#include "CloudRegion.h"

#include <QSettings>

QString cloudRegion()
{
    QSettings ini("./saveFile/systemsetting.ini", QSettings::IniFormat);
    ini.setIniCodec("UTF8");
    return ini.value("ChangeLanguage/Dbsource", "cn").toString();
}
