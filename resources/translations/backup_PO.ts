<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="zh_CN">
<context>
    <name>Index</name>
    <message>
        <source>备份成功</source>
        <translation>Cópia de segurança concluída</translation>
    </message>
    <message>
        <source>恢复成功</source>
        <translation>Restauro concluído</translation>
    </message>
    <message>
        <source>备份失败，数据未复制</source>
        <translation>A cópia de segurança falhou: os dados não foram copiados</translation>
    </message>
    <message>
        <source>所选文件不是可用的数据库备份，原数据库未改变</source>
        <translation>O ficheiro escolhido não é uma cópia de base de dados utilizável. A base de dados atual não foi alterada.</translation>
    </message>
    <message>
        <source>恢复失败，原数据库未改变</source>
        <translation>O restauro falhou. A base de dados atual não foi alterada.</translation>
    </message>
</context>
</TS>
