#include "Referencevalue.h"

#include "Referencevaluedb.h"

Referencevalue::Referencevalue(QWidget* parent) : dlgTableEditor(new Referencevaluedb, tr("项目名称"), parent) {}

void Referencevalue::retranslate()
{
    dlgTableEditor::retranslate();
    setWindowTitle(tr("项目名称"));
}
