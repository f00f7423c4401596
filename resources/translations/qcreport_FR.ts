<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>T</name>
    <message>
        <source>生化分析仪质控报告单</source>
        <translation>Rapport CQ de l'analyseur biochimique</translation>
    </message>
    <message>
        <source>质控品</source>
        <translation>Matériel de CQ</translation>
    </message>
    <message>
        <source>质控批号</source>
        <translation>Lot de CQ</translation>
    </message>
    <message>
        <source>科室</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>质控一</source>
        <translation>CQ 1</translation>
    </message>
    <message>
        <source>质控二</source>
        <translation>CQ 2</translation>
    </message>
    <message>
        <source>责任声明</source>
        <translation>Déclaration de responsabilité</translation>
    </message>
</context>
<context>
    <name>wgtQcReport</name>
    <message>
        <source>该结果无法读取，未生成报告</source>
        <translation>Ce résultat est illisible ; aucun rapport n'a été créé.</translation>
    </message>
    <message>
        <source>文件无法写入，请检查路径或关闭正在使用该文件的程序：%1</source>
        <translation>Impossible d'écrire le fichier. Vérifiez le chemin ou fermez le programme qui l'utilise : %1</translation>
    </message>
    <message>
        <source>请勾选打印报告</source>
        <translation>Cochez les rapports à imprimer</translation>
    </message>
    <message>
        <source>确认打印吗？</source>
        <translation>Imprimer maintenant ?</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>以下结果无法读取，未打印：%1</source>
        <translation>Ces résultats sont illisibles et n'ont pas été imprimés : %1</translation>
    </message>
    <message>
        <source>Save Text</source>
        <translation>Enregistrer sous</translation>
    </message>
</context>
</TS>
