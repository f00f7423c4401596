#include "Clinicaldiagnosis.h"

#include "Clinicaldiagnosisdb.h"

Clinicaldiagnosis::Clinicaldiagnosis(QWidget* parent) : dlgTableEditor(new Clinicaldiagnosisdb, tr("临床诊断"), parent) {}

void Clinicaldiagnosis::retranslate()
{
    dlgTableEditor::retranslate();
    setWindowTitle(tr("临床诊断"));
}
