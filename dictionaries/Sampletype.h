#pragma once
#include "dlgTableEditor.h"

// Editor of the list of sample types.
class Sampletype : public dlgTableEditor
{
    Q_OBJECT
public:
    explicit Sampletype(QWidget* parent = nullptr);

    void retranslate() override;
};
