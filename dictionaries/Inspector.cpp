#include "Inspector.h"

#include "Inspectordb.h"

Inspector::Inspector(QWidget* parent) : dlgTableEditor(new Inspectordb, tr("检验人"), parent) {}

void Inspector::retranslate()
{
    dlgTableEditor::retranslate();
    setWindowTitle(tr("检验人"));
}
