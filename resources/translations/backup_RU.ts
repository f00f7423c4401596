<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="zh_CN">
<context>
    <name>Index</name>
    <message>
        <source>备份成功</source>
        <translation>Резервная копия создана</translation>
    </message>
    <message>
        <source>恢复成功</source>
        <translation>Восстановление завершено</translation>
    </message>
    <message>
        <source>备份失败，数据未复制</source>
        <translation>Не удалось создать резервную копию: данные не скопированы</translation>
    </message>
    <message>
        <source>所选文件不是可用的数据库备份，原数据库未改变</source>
        <translation>Выбранный файл не является пригодной резервной копией базы данных. Текущая база данных не изменена.</translation>
    </message>
    <message>
        <source>恢复失败，原数据库未改变</source>
        <translation>Не удалось восстановить. Текущая база данных не изменена.</translation>
    </message>
</context>
</TS>
