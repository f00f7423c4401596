#pragma once
#include "elementBase.h"

#include <QString>

// Small steps of the report block builders over an element tree.

// Appends child to parent's children; the parent owns it from then on.
inline void appendChild(elementBase* parent, elementBase* child)
{
    parent->m_children.append(child);
}

// The HTML of a built tree, which is freed.
inline QString renderAndDelete(elementBase* root)
{
    const QString html = root->html();
    delete root;
    return html;
}
