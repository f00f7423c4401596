#include "Inspect.h"

#include "Inspectdb.h"

Inspect::Inspect(QWidget* parent) : dlgTableEditor(new Inspectdb, tr("诊断备注"), parent) {}

void Inspect::retranslate()
{
    dlgTableEditor::retranslate();
    setWindowTitle(tr("诊断备注"));
}
