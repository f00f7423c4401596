#include "ResultRowText.h"

#include "SystemSettings.h"
#include "Translateword.h"

namespace {
template <typename Key, typename Compute>
QString remembered(QHash<Key, QString>* words, const Key& key, Compute compute)
{
    auto it = words->constFind(key);
    if (it == words->constEnd())
        it = words->insert(key, compute());
    return it.value();
}
}

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

ResultRowText::ResultRowText() : m_language(getLanguage()) {}

QString ResultRowText::departmentOf(const PanelChkRecord& record)
{
    return remembered(&m_departments, record.speciesname, [&] {
        if (record.speciesname.isEmpty())
            return QString();
        return Translateword::getInstance()->trans(record.speciesname, divisionIndexMap, m_language);
    });
}

QString ResultRowText::sexOf(const PanelChkRecord& record)
{
    return remembered(&m_sexes, record.animalsexname, [&] {
        if (record.animalsexname.isEmpty())
            return QString();
        return Translateword::getInstance()->trans(record.animalsexname, sexIndexMap, m_language);
    });
}

QString ResultRowText::testItemOf(const PanelChkRecord& record)
{
    return remembered(&m_testItems, record.panelid, [&] {
        const QString panel = QString::number(record.panelid);
        const QString name = Translateword::getInstance()->trans(panel, panelIndexMap, m_language);
        return name.isEmpty() ? panel : name;
    });
}
