#include "HtmlCell.h"

HtmlCell::HtmlCell(int optionNumber, const QString& text, const QMap<QString, QString>& attributes,
                   elementBase* content)
    : optionNumber(optionNumber), text(text), content(content), attributes(attributes)
{
}
