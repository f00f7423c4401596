#pragma once
#include "elementBase.h"

// Template kind of a report node: a hidden node stays in place, struck through, after its
// option number, so that a settings preview shows which option controls which part.
class elementTemplate : public elementBase
{
public:
    static elementBase* createElement(const QString& tag, const QMap<QString, QString>& attributes);
    static elementBase* createElementText(const QString& tag, const QString& text,
                                          const QMap<QString, QString>& attributes);

    int type() const override;
    QString toHtml(const QString& attributeText) override;

private:
    using elementBase::elementBase;
};
