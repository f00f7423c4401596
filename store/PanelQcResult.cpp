#include "PanelQcResult.h"

int registerPanelQcResultType()
{
    static const int id = qRegisterMetaType<PanelQcResult>("PanelQcResult");
    return id;
}

// Registered when the library is loaded, so that queued signals can carry it at once.
static const int s_panelQcResultType = registerPanelQcResultType();
