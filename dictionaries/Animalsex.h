#pragma once
#include "dlgTableEditor.h"

// Editor of the list of animal sexes.
class Animalsex : public dlgTableEditor
{
    Q_OBJECT
public:
    explicit Animalsex(QWidget* parent = nullptr);

    void retranslate() override;
};
