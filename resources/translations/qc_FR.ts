<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="zh_CN">
<context>
    <name>RecycleBin</name>
    <message>
        <source>质控回收站</source>
        <translation>Corbeille CQ</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>编号</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>检测时间</source>
        <translation>Heure du test</translation>
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
        <source>设备编号</source>
        <translation>ID de l&apos;appareil</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>请选择要恢复的记录</source>
        <translation>Veuillez sélectionner les enregistrements à restaurer</translation>
    </message>
    <message>
        <source>确认恢复该记录？</source>
        <translation>Restaurer cet enregistrement ?</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>恢复失败</source>
        <translation>Échec de la restauration</translation>
    </message>
    <message>
        <source>恢复成功！</source>
        <translation>Restauré !</translation>
    </message>
</context>
<context>
    <name>dlgQcQuery</name>
    <message>
        <source>质控查询</source>
        <translation>Recherche CQ</translation>
    </message>
    <message>
        <source>质控品</source>
        <translation>Matériel de CQ</translation>
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
        <source>质控批号</source>
        <translation>Lot de CQ</translation>
    </message>
    <message>
        <source>科室</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>设备编号</source>
        <translation>ID de l&apos;appareil</translation>
    </message>
    <message>
        <source>检测项目</source>
        <translation>Paramètre</translation>
    </message>
    <message>
        <source>开始日期</source>
        <translation>Date de début</translation>
    </message>
    <message>
        <source>结束日期</source>
        <translation>Date de fin</translation>
    </message>
    <message>
        <source>查询</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>wgtQcReport</name>
    <message>
        <source>质控</source>
        <translation>CQ</translation>
    </message>
    <message>
        <source>质控信息</source>
        <translation>Informations CQ</translation>
    </message>
    <message>
        <source>质控品</source>
        <translation>Matériel de CQ</translation>
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
        <source>质控批号</source>
        <translation>Lot de CQ</translation>
    </message>
    <message>
        <source>科室</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>检测时间</source>
        <translation>Heure du test</translation>
    </message>
    <message>
        <source>检验者</source>
        <translation>Examinateur</translation>
    </message>
    <message>
        <source>审核者</source>
        <translation>Vérificateur</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>删除项目</source>
        <translation>Supprimer l&apos;élément</translation>
    </message>
    <message>
        <source>打印预览</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>打印(F2)</source>
        <translation>Imprimer (F2)</translation>
    </message>
    <message>
        <source>导出PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>导出Excel</source>
        <translation>Exporter en Excel</translation>
    </message>
    <message>
        <source>编号</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>设备编号</source>
        <translation>ID de l&apos;appareil</translation>
    </message>
    <message>
        <source>项目</source>
        <translation>Élément</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>单位</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>靶值</source>
        <translation>Valeur cible</translation>
    </message>
    <message>
        <source>质控范围</source>
        <translation>Plage de CQ</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>请选择一条质控记录</source>
        <translation>Veuillez sélectionner un enregistrement de CQ</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Échec de l&apos;enregistrement</translation>
    </message>
    <message>
        <source>保存成功</source>
        <translation>Enregistré</translation>
    </message>
    <message>
        <source>确认删除吗？</source>
        <translation>Supprimer la sélection ?</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>Échec de la suppression</translation>
    </message>
</context>
</TS>
