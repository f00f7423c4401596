#pragma once
#include "dlgTableEditor.h"

// Editor of the list of clinical diagnoses.
class Clinicaldiagnosis : public dlgTableEditor
{
    Q_OBJECT
public:
    explicit Clinicaldiagnosis(QWidget* parent = nullptr);

    void retranslate() override;
};
