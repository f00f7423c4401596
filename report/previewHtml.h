#pragma once
#include "reportFragments.h"

class elementTemplate;

// Page state and fragment builders of a settings template preview: switched-off parts stay in
// place, struck through and numbered.
class previewHtml : public reportFragments<elementTemplate>
{
public:
    previewHtml();
    ~previewHtml();
};
