<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="zh_CN">
<context>
    <name>Index</name>
    <message>
        <source>备份成功</source>
        <translation>Copia de seguridad completada</translation>
    </message>
    <message>
        <source>恢复成功</source>
        <translation>Restauración completada</translation>
    </message>
    <message>
        <source>备份失败，数据未复制</source>
        <translation>Error en la copia de seguridad: los datos no se copiaron</translation>
    </message>
    <message>
        <source>所选文件不是可用的数据库备份，原数据库未改变</source>
        <translation>El archivo elegido no es una copia de base de datos utilizable. La base de datos actual no se ha modificado.</translation>
    </message>
    <message>
        <source>恢复失败，原数据库未改变</source>
        <translation>Error en la restauración. La base de datos actual no se ha modificado.</translation>
    </message>
</context>
</TS>
