#pragma once
#include "dlgTableEditor.h"

// Editor of the list of test-item names.
class Referencevalue : public dlgTableEditor
{
    Q_OBJECT
public:
    explicit Referencevalue(QWidget* parent = nullptr);

    void retranslate() override;
};
