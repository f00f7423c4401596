#include "QcFormat.h"

#include "Translateword.h"

#include <QCoreApplication>

namespace QcFormat {

QString productName(int qcProduct)
{
    return qcProduct == 0 ? QCoreApplication::translate("wgtQcReport", "质控一")
                          : QCoreApplication::translate("wgtQcReport", "质控二");
}

QString divisionText(const QString& division)
{
    if (division.isEmpty())
        return division;
    return Translateword::getInstance()->trans(division, divisionIndexMap);
}

QString divisionText(const QString& division, const QString& language)
{
    if (division.isEmpty())
        return division;
    return Translateword::getInstance()->trans(division, divisionIndexMap, language);
}

QString checkTimeText(const QDateTime& time)
{
    return time.isValid() ? time.toString("yyyy-MM-dd hh:mm:ss") : QString();
}

}
