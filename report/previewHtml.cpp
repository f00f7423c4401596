#include "previewHtml.h"

previewHtml::previewHtml() = default;

previewHtml::~previewHtml() = default;
