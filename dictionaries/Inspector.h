#pragma once
#include "dlgTableEditor.h"

// Editor of the list of inspectors.
class Inspector : public dlgTableEditor
{
    Q_OBJECT
public:
    explicit Inspector(QWidget* parent = nullptr);

    void retranslate() override;
};
