#include "Reviewer.h"

#include "Reviewerdb.h"

Reviewer::Reviewer(QWidget* parent) : dlgTableEditor(new Reviewerdb, tr("审核人"), parent) {}

void Reviewer::retranslate()
{
    dlgTableEditor::retranslate();
    setWindowTitle(tr("审核人"));
}
