#pragma once
#include "PanelChkRecord.h"

#include <QString>

// The texts a result shows in the result list and in the recycle list.
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
};
