-- Seed of the network-mode main database (same schema and lists as the serial one).
.read main_database.sqlinc
