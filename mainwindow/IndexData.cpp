// Backup and restore of the main database: they come with their own pieces.
#include "Index.h"

void Index::slot_backupsqlUI()
{
}

void Index::slot_restoresqlUI()
{
}
