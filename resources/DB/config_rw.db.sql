-- Local settings: the administrator account and key/value settings.
BEGIN;
CREATE TABLE users (id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT NOT NULL UNIQUE, passwd TEXT NOT NULL DEFAULT '');
INSERT INTO users (name, passwd) VALUES ('admin', '123456');
CREATE TABLE config (keyName TEXT NOT NULL UNIQUE, valueStr TEXT, notes TEXT);
INSERT INTO config (keyName, valueStr, notes) VALUES ('islogin', '0', '启动时是否需要登录：1 需要，0 不需要');
INSERT INTO config (keyName, valueStr, notes) VALUES ('passwdTip', '初始密码为123456', '登录密码提示');
COMMIT;
