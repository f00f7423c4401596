// Merged report, backup and restore of the main database: they come with their own pieces.
#include "Index.h"

bool Index::on_pushButton_4_clicked()
{
    return false;
}

void Index::slot_backupsqlUI()
{
}

void Index::slot_restoresqlUI()
{
}
