#pragma once
#include "dlgTableEditor.h"

// Editor of the list of reviewers.
class Reviewer : public dlgTableEditor
{
    Q_OBJECT
public:
    explicit Reviewer(QWidget* parent = nullptr);

    void retranslate() override;
};
