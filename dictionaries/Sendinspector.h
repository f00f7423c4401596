#pragma once
#include "dlgTableEditor.h"

// Editor of the list of senders.
class Sendinspector : public dlgTableEditor
{
    Q_OBJECT
public:
    explicit Sendinspector(QWidget* parent = nullptr);

    void retranslate() override;
};
