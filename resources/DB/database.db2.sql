-- Seed of the serial-mode main database.
.read main_database.sqlinc
