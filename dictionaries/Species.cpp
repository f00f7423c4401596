#include "Species.h"

#include "Speciesdb.h"

Species::Species(QWidget* parent) : dlgTableEditor(new Speciesdb, tr("科室"), parent) {}

void Species::retranslate()
{
    dlgTableEditor::retranslate();
    setWindowTitle(tr("科室"));
}
