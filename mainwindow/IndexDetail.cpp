// Result detail view and the save of edited analyte values.
#include "Index.h"
#include "ui_Index.h"

void Index::on_tableWidget_itemSelectionChanged()
{
}

void Index::on_pushButton_6_clicked()
{
}
