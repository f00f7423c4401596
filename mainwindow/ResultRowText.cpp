#include "ResultRowText.h"

#include "Translateword.h"

QString ResultRowText::department(const PanelChkRecord& record)
{
    if (record.speciesname.isEmpty())
        return QString();
    return Translateword::getInstance()->trans(record.speciesname, divisionIndexMap);
}

QString ResultRowText::sex(const PanelChkRecord& record)
{
    if (record.animalsexname.isEmpty())
        return QString();
    return Translateword::getInstance()->trans(record.animalsexname, sexIndexMap);
}

QString ResultRowText::testItem(const PanelChkRecord& record)
{
    const QString panel = QString::number(record.panelid);
    const QString name = Translateword::getInstance()->trans(panel, panelIndexMap);
    return name.isEmpty() ? panel : name;
}

QString ResultRowText::checkTime(const PanelChkRecord& record)
{
    return record.chkdatetime.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}
