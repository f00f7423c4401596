#pragma once
#include "PanelChkRecord.h"

#include <QHash>
#include <QString>

// The texts a result shows in the result list and in the recycle list. An instance remembers the
// words it has looked up, for filling many rows at once (make a new one for each fill, so that a
// changed language shows).
class ResultRowText
{
public:
    // Department, through the analyzer's division codes.
    static QString department(const PanelChkRecord& record);
    // Sex, through the analyzer's sex codes.
    static QString sex(const PanelChkRecord& record);
    // Test item: the name of the record's test panel.
    static QString testItem(const PanelChkRecord& record);
    static QString checkTime(const PanelChkRecord& record);

    // The same texts, each code looked up once per instance, in the language of its making.
    ResultRowText();
    QString departmentOf(const PanelChkRecord& record);
    QString sexOf(const PanelChkRecord& record);
    QString testItemOf(const PanelChkRecord& record);

private:
    QString m_language;
    QHash<QString, QString> m_departments;
    QHash<QString, QString> m_sexes;
    QHash<int, QString> m_testItems;
};
