#pragma once
#include <QString>

// The stored cloud region key ("cn" when none is stored).
QString cloudRegion();
