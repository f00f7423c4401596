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
<context>
    <name>PrintPreviewQc</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
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
        <source>A5横向打印</source>
        <translation>A5 paysage</translation>
    </message>
    <message>
        <source>A4打印</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>可选项</source>
        <translation>Options</translation>
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
        <source>保存</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>失败</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Échec de l'enregistrement</translation>
    </message>
    <message>
        <source>成功</source>
        <translation>Succès</translation>
    </message>
    <message>
        <source>保存成功</source>
        <translation>Enregistré</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Ouvrir un fichier</translation>
    </message>
</context>
</TS>
