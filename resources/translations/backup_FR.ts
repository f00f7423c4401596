<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="zh_CN">
<context>
    <name>Index</name>
    <message>
        <source>备份成功</source>
        <translation>Sauvegarde terminée</translation>
    </message>
    <message>
        <source>恢复成功</source>
        <translation>Restauration terminée</translation>
    </message>
    <message>
        <source>备份失败，数据未复制</source>
        <translation>Échec de la sauvegarde : les données n'ont pas été copiées</translation>
    </message>
    <message>
        <source>所选文件不是可用的数据库备份，原数据库未改变</source>
        <translation>Le fichier choisi n'est pas une sauvegarde de base de données utilisable. La base actuelle n'a pas été modifiée.</translation>
    </message>
    <message>
        <source>恢复失败，原数据库未改变</source>
        <translation>Échec de la restauration. La base actuelle n'a pas été modifiée.</translation>
    </message>
</context>
</TS>
