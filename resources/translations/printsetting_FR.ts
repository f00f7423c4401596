<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="zh_CN">
<context>
    <name>PrintPreview</name>
    <message>
        <source>打印设置</source>
        <translation>Paramètres d'impression</translation>
    </message>
    <message>
        <source>检测</source>
        <translation>Analyses</translation>
    </message>
    <message>
        <source>质控</source>
        <translation>CQ</translation>
    </message>
    <message>
        <source>上传logo</source>
        <translation>Charger le logo</translation>
    </message>
    <message>
        <source>字号：</source>
        <translation>Taille de police :</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>结果提示选择</source>
        <translation>Indication du résultat</translation>
    </message>
    <message>
        <source>图表</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Flèche</translation>
    </message>
    <message>
        <source>报表选择</source>
        <translation>Format du rapport</translation>
    </message>
    <message>
        <source>其它格式</source>
        <translation>Autre format</translation>
    </message>
    <message>
        <source>A5横向打印</source>
        <translation>A5 paysage</translation>
    </message>
    <message>
        <source>A4打印</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>A4临床意义打印</source>
        <translation>A4 avec signification clinique</translation>
    </message>
    <message>
        <source>可选项</source>
        <translation>Éléments facultatifs</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Ouvrir un fichier</translation>
    </message>
</context>
<context>
    <name>T</name>
    <message>
        <source>责任声明</source>
        <translation>Clause de responsabilité</translation>
    </message>
</context>
</TS>
