#include "Animalsex.h"

#include "Animalsexdb.h"

Animalsex::Animalsex(QWidget* parent) : dlgTableEditor(new Animalsexdb, tr("动物性别"), parent) {}

void Animalsex::retranslate()
{
    dlgTableEditor::retranslate();
    setWindowTitle(tr("动物性别"));
}
