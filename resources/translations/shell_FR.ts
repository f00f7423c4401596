<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="zh_CN">
<context>
    <name>Animalsex</name>
    <message>
        <source>动物性别</source>
        <translation>Sexe de l&apos;animal</translation>
    </message>
</context>
<context>
    <name>Clinical</name>
    <message>
        <source>临床意义</source>
        <translation>Signification clinique</translation>
    </message>
</context>
<context>
    <name>Clinicaldiagnosis</name>
    <message>
        <source>临床诊断</source>
        <translation>Diagnostics cliniques</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>帮助</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>Hospitalname</name>
    <message>
        <source>医院信息</source>
        <translation>Coordonnées de la clinique</translation>
    </message>
    <message>
        <source>医院名称：</source>
        <translation>Nom de la clinique :</translation>
    </message>
    <message>
        <source>地址：</source>
        <translation>Adresse :</translation>
    </message>
    <message>
        <source>电话：</source>
        <translation>Téléphone :</translation>
    </message>
    <message>
        <source>邮箱：</source>
        <translation>E-mail :</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Inspect</name>
    <message>
        <source>诊断备注</source>
        <translation>Remarques de diagnostic</translation>
    </message>
</context>
<context>
    <name>Inspector</name>
    <message>
        <source>检验人</source>
        <translation>Analystes</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>语言设置</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>语言：</source>
        <translation>Langue :</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>MyMessageBox</name>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>保存成功</source>
        <translation>Enregistré avec succès</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Échec de l'enregistrement</translation>
    </message>
</context>
<context>
    <name>Referencevalue</name>
    <message>
        <source>项目名称</source>
        <translation>Noms des analyses</translation>
    </message>
</context>
<context>
    <name>Reviewer</name>
    <message>
        <source>审核人</source>
        <translation>Vérificateurs</translation>
    </message>
</context>
<context>
    <name>Sampletype</name>
    <message>
        <source>样本类型</source>
        <translation>Types d&apos;échantillon</translation>
    </message>
</context>
<context>
    <name>Sendinspector</name>
    <message>
        <source>送检人</source>
        <translation>Demandeurs</translation>
    </message>
</context>
<context>
    <name>SettingDialog</name>
    <message>
        <source>系统设置</source>
        <translation>Paramètres système</translation>
    </message>
    <message>
        <source>常规设置</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>医院信息</source>
        <translation>Coordonnées de la clinique</translation>
    </message>
    <message>
        <source>单位设置</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>语言设置</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>数据源地区</source>
        <translation>Région cloud</translation>
    </message>
    <message>
        <source>打印设置</source>
        <translation>Paramètres d&apos;impression</translation>
    </message>
    <message>
        <source>字典维护</source>
        <translation>Listes</translation>
    </message>
    <message>
        <source>科室</source>
        <translation>Services</translation>
    </message>
    <message>
        <source>临床诊断</source>
        <translation>Diagnostics cliniques</translation>
    </message>
    <message>
        <source>诊断备注</source>
        <translation>Remarques de diagnostic</translation>
    </message>
    <message>
        <source>检验人</source>
        <translation>Analystes</translation>
    </message>
    <message>
        <source>审核人</source>
        <translation>Vérificateurs</translation>
    </message>
    <message>
        <source>样本类型</source>
        <translation>Types d&apos;échantillon</translation>
    </message>
    <message>
        <source>送检人</source>
        <translation>Demandeurs</translation>
    </message>
    <message>
        <source>动物性别</source>
        <translation>Sexe de l&apos;animal</translation>
    </message>
    <message>
        <source>项目名称</source>
        <translation>Noms des analyses</translation>
    </message>
    <message>
        <source>临床意义</source>
        <translation>Signification clinique</translation>
    </message>
    <message>
        <source>系统</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>设备账号</source>
        <translation>Comptes des appareils</translation>
    </message>
    <message>
        <source>软件信息</source>
        <translation>Informations sur le logiciel</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>清除网络数据缓存</source>
        <translation>Vider le cache des données réseau</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>确认清除网络数据缓存吗？</source>
        <translation>Vider le cache des données réseau ?</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>清除失败</source>
        <translation>Échec de l&apos;effacement</translation>
    </message>
    <message>
        <source>清除成功</source>
        <translation>Effacé avec succès</translation>
    </message>
    <message>
        <source>盘片项目配置</source>
        <translation>Paramètres des disques</translation>
    </message>
</context>
<context>
    <name>SiUnit</name>
    <message>
        <source>单位设置</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>结果单位</source>
        <translation>Unités des résultats</translation>
    </message>
    <message>
        <source>国际单位</source>
        <translation>Unités SI</translation>
    </message>
    <message>
        <source>常规单位</source>
        <translation>Unités conventionnelles</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Species</name>
    <message>
        <source>科室</source>
        <translation>Services</translation>
    </message>
</context>
<context>
    <name>dbresource</name>
    <message>
        <source>数据源地区</source>
        <translation>Région cloud</translation>
    </message>
    <message>
        <source>云服务器地区</source>
        <translation>Région du serveur cloud</translation>
    </message>
    <message>
        <source>中国区</source>
        <translation>Chine</translation>
    </message>
    <message>
        <source>海外区</source>
        <translation>International</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>dlgEditText</name>
    <message>
        <source>编辑</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>dlgSetProjectGroup</name>
    <message>
        <source>项目组：</source>
        <translation>Bilan :</translation>
    </message>
    <message>
        <source>勾选的项目不在结果和报告中显示</source>
        <translation>Les analyses cochées ne figurent pas dans les résultats ni dans les rapports</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>dlgTableEditor</name>
    <message>
        <source>添加</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>放弃修改</source>
        <translation>Annuler les modifications</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>项目</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>临床意义</source>
        <translation>Signification clinique</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>项目编号</source>
        <translation>Numéro d&apos;analyse</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>放弃未保存的修改吗？</source>
        <translation>Abandonner les modifications non enregistrées ?</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>读取失败</source>
        <translation>Échec de la lecture</translation>
    </message>
    <message>
        <source>中文名称</source>
        <translation>Nom chinois</translation>
    </message>
</context>
</TS>
