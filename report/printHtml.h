#pragma once
#include "reportFragments.h"

class elementBase;

// Page state and fragment builders of a printed report page (print-kind elements).
class printHtml : public reportFragments<elementBase>
{
public:
    printHtml();
    ~printHtml();
};
