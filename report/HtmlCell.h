#pragma once
#include <QMap>
#include <QString>

class elementBase;

// One grid cell for the table builders. The cell does not own its content element: the table
// builder moves it into the tree it makes.
struct HtmlCell
{
    HtmlCell() = default;
    HtmlCell(int optionNumber, const QString& text,
             const QMap<QString, QString>& attributes = QMap<QString, QString>(),
             elementBase* content = nullptr);

    int optionNumber = -1;   // -1: never switched off
    QString text;
    elementBase* content = nullptr;
    QMap<QString, QString> attributes;
};
