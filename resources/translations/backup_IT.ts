<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="zh_CN">
<context>
    <name>Index</name>
    <message>
        <source>备份成功</source>
        <translation>Backup completato</translation>
    </message>
    <message>
        <source>恢复成功</source>
        <translation>Ripristino completato</translation>
    </message>
    <message>
        <source>备份失败，数据未复制</source>
        <translation>Backup non riuscito: i dati non sono stati copiati</translation>
    </message>
    <message>
        <source>所选文件不是可用的数据库备份，原数据库未改变</source>
        <translation>Il file scelto non è un backup del database utilizzabile. Il database attuale non è stato modificato.</translation>
    </message>
    <message>
        <source>恢复失败，原数据库未改变</source>
        <translation>Ripristino non riuscito. Il database attuale non è stato modificato.</translation>
    </message>
</context>
</TS>
