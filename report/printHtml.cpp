#include "printHtml.h"

printHtml::printHtml() = default;

// previewTool is not owned here.
printHtml::~printHtml() = default;
