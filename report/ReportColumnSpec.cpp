#include "ReportColumnSpec.h"

const QVector<ReportColumnSpec> chartColumnLayout = {
    {0, 4, true, "left"},  {1, 17, true, "left"}, {2, 12, true, "left"},  {3, 9, true, "left"},
    {4, 10, true, "left"}, {5, 9, true, "left"},  {6, 12, true, "left"},  {7, 9, true, "left"},
    {8, 9, true, "center"}, {9, 9, true, "right"},
};

const QVector<ReportColumnSpec> arrowColumnLayout = {
    {0, 4, true, "left"},   {1, 20, true, "left"}, {2, 12, true, "left"}, {3, 14, true, "left"},
    {10, 15, true, "left"}, {4, 10, true, "left"}, {5, 10, true, "left"}, {6, 15, true, "right"},
};
