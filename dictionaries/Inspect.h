#pragma once
#include "dlgTableEditor.h"

// Editor of the list of diagnosis remarks.
class Inspect : public dlgTableEditor
{
    Q_OBJECT
public:
    explicit Inspect(QWidget* parent = nullptr);

    void retranslate() override;
};
