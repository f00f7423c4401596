#include "Clinical.h"

#include "Clinicaldb.h"

Clinical::Clinical(QWidget* parent) : dlgTableEditor(new Clinicaldb, tr("临床意义"), parent) {}

void Clinical::retranslate()
{
    dlgTableEditor::retranslate();
    setWindowTitle(tr("临床意义"));
}
