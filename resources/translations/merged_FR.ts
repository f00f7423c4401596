<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="fr_FR">
<context>
    <name>ConsolidatedReport</name>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="17" />
        <source>合并报告预览</source>
        <translation>Aperçu du rapport fusionné</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="42" />
        <source>生化检验报告单</source>
        <translation>Rapport d'analyse biochimique</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="66" />
        <source>科室：</source>
        <translation>Service :</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="93" />
        <source>患者编号：</source>
        <translation>ID patient :</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="120" />
        <source>年龄：</source>
        <translation>Âge :</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="137" />
        <source>年</source>
        <translation>a</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="154" />
        <source>月</source>
        <translation>m</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="171" />
        <source>性别：</source>
        <translation>Sexe :</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="198" />
        <source>姓名：</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="225" />
        <source>生日：</source>
        <translation>Date de naissance :</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="246" />
        <source>样本类型：</source>
        <translation>Type d'échantillon :</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="279" />
        <source>样本编号：</source>
        <translation>ID échantillon :</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="300" />
        <source>采样时间：</source>
        <translation>Heure du prélèvement :</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="336" />
        <source>项目名称</source>
        <translation>Paramètre</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="341" />
        <source>全称</source>
        <translation>Nom complet</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="346" />
        <source>检测结果</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="351" />
        <source>靶值</source>
        <translation>Valeur cible</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="356" />
        <source>参考范围</source>
        <translation>Plage de référence</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="361" />
        <source>参考单位</source>
        <translation>Unité</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="380" />
        <source>送检时间：</source>
        <translation>Heure d'envoi :</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="407" />
        <source>检验时间：</source>
        <translation>Analysé le :</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="434" />
        <source>打印时间：</source>
        <translation>Heure d'impression :</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="448" />
        <source>送检者：</source>
        <translation>Envoyé par :</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="462" />
        <source>检验者：</source>
        <translation>Analyste :</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="476" />
        <source>审核者：</source>
        <translation>Vérificateur :</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="490" />
        <source>临床诊断：</source>
        <translation>Diagnostic clinique :</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="510" />
        <source>诊断备注：</source>
        <translation>Remarque diagnostique :</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="529" />
        <source>注：若中文名称为空时，打印预览则显示系统默认中文名称。</source>
        <translation>Remarque : si le nom complet est vide, l'aperçu avant impression affiche le nom par défaut du paramètre.</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="563" />
        <source>打印</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="585" />
        <source>打印预览</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="607" />
        <source>生成PDF</source>
        <translation>Créer PDF</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="629" />
        <source>删除行（Del）</source>
        <translation>Supprimer la ligne (Suppr)</translation>
    </message>
    <message>
        <location filename="../../report/ConsolidatedReport.cpp" line="197" />
        <source>Save Text</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <location filename="../../report/ConsolidatedReport.cpp" line="211" />
        <source>失败</source>
        <translation>Échec</translation>
    </message>
    <message>
        <location filename="../../report/ConsolidatedReport.cpp" line="212" />
        <source>文件无法写入，请检查路径或关闭正在使用该文件的程序：%1</source>
        <translation>Impossible d'écrire le fichier. Vérifiez le chemin ou fermez le programme qui l'utilise : %1</translation>
    </message>
</context>
</TS>
