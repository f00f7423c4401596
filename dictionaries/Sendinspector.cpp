#include "Sendinspector.h"

#include "Sendinspectordb.h"

Sendinspector::Sendinspector(QWidget* parent) : dlgTableEditor(new Sendinspectordb, tr("送检人"), parent) {}

void Sendinspector::retranslate()
{
    dlgTableEditor::retranslate();
    setWindowTitle(tr("送检人"));
}
