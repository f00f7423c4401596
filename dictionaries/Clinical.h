#pragma once
#include "dlgTableEditor.h"

// Editor of the list of clinical significance of each test item.
class Clinical : public dlgTableEditor
{
    Q_OBJECT
public:
    explicit Clinical(QWidget* parent = nullptr);

    void retranslate() override;
};
