<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>Index</name>
    <message>
        <source>备份成功</source>
        <translation>Backup completed</translation>
    </message>
    <message>
        <source>恢复成功</source>
        <translation>Restore completed</translation>
    </message>
    <message>
        <source>备份失败，数据未复制</source>
        <translation>Backup failed: the data was not copied</translation>
    </message>
    <message>
        <source>所选文件不是可用的数据库备份，原数据库未改变</source>
        <translation>The chosen file is not a usable database backup. The current database was not changed.</translation>
    </message>
    <message>
        <source>恢复失败，原数据库未改变</source>
        <translation>Restore failed. The current database was not changed.</translation>
    </message>
</context>
</TS>
