#pragma once
#include "dlgTableEditor.h"

// Editor of the list of departments.
class Species : public dlgTableEditor
{
    Q_OBJECT
public:
    explicit Species(QWidget* parent = nullptr);

    void retranslate() override;
};
