#include "Sampletype.h"

#include "Sampletypedb.h"

Sampletype::Sampletype(QWidget* parent) : dlgTableEditor(new Sampletypedb, tr("样本类型"), parent) {}

void Sampletype::retranslate()
{
    dlgTableEditor::retranslate();
    setWindowTitle(tr("样本类型"));
}
