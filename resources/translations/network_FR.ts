<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="zh_CN">
<context>
    <name>Index</name>
    <message>
        <source>当前获取数据模式为 网络模式...</source>
        <translation>Mode d'acquisition des données : réseau...</translation>
    </message>
    <message>
        <source>请先在账号管理页面录入账号信息！</source>
        <translation>Veuillez d'abord saisir un compte d'appareil dans la gestion des comptes !</translation>
    </message>
    <message>
        <source>获取失败</source>
        <translation>Échec de la récupération</translation>
    </message>
    <message>
        <source>未连接到网络，请检查网络状态!</source>
        <translation>Pas de connexion au réseau, veuillez vérifier l'état du réseau !</translation>
    </message>
    <message>
        <source>数据获取失败</source>
        <translation>Échec de la récupération des données</translation>
    </message>
    <message>
        <source>设备：%1，账号或密码已更改，请重新录入正确的设备账号信息！</source>
        <translation>Appareil : %1, le compte ou le mot de passe a changé, veuillez saisir à nouveau le bon compte de l'appareil !</translation>
    </message>
    <message>
        <source>设备：%1 的数据未能保存到本地数据库，未保存任何数据，请稍后重试！</source>
        <translation>Appareil : %1, les données n'ont pas pu être enregistrées dans la base locale ; rien n'a été enregistré, veuillez réessayer plus tard !</translation>
    </message>
    <message>
        <source>数据已获取完毕！</source>
        <translation>Toutes les données ont été récupérées !</translation>
    </message>
    <message>
        <source>暂无数据！</source>
        <translation>Aucune nouvelle donnée !</translation>
    </message>
</context>
<context>
    <name>User</name>
    <message>
        <source>账号管理</source>
        <translation>Gestion des comptes</translation>
    </message>
    <message>
        <source>录入分析仪的设备编号和密码，网络模式下将从云端获取这些设备的检测结果。</source>
        <translation>Saisissez le numéro de série et le mot de passe de chaque analyseur ; en mode réseau, leurs résultats sont récupérés depuis le cloud.</translation>
    </message>
    <message>
        <source>设备编号：</source>
        <translation>Numéro de série :</translation>
    </message>
    <message>
        <source>设备密码：</source>
        <translation>Mot de passe de l'appareil :</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>设备编号</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>设备密码</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>请输入设备编号和密码！</source>
        <translation>Veuillez saisir le numéro de série et le mot de passe !</translation>
    </message>
    <message>
        <source>该设备账号已存在！</source>
        <translation>Ce compte d'appareil existe déjà !</translation>
    </message>
    <message>
        <source>请先选择要删除的账号！</source>
        <translation>Veuillez d'abord sélectionner le compte à supprimer !</translation>
    </message>
    <message>
        <source>确认删除设备账号 %1 吗？</source>
        <translation>Supprimer le compte d'appareil %1 ?</translation>
    </message>
    <message>
        <source>失败</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>Échec de la suppression</translation>
    </message>
</context>
<context>
    <name>Upgrade</name>
    <message>
        <source>软件信息</source>
        <translation>Informations sur le logiciel</translation>
    </message>
    <message>
        <source>当前版本：</source>
        <translation>Version actuelle :</translation>
    </message>
    <message>
        <source>最新版本：</source>
        <translation>Dernière version :</translation>
    </message>
    <message>
        <source>检查更新</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>下载新版本</source>
        <translation>Télécharger la nouvelle version</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>正在检查更新...</source>
        <translation>Recherche de mises à jour...</translation>
    </message>
    <message>
        <source>无法获取更新信息，请检查网络状态！</source>
        <translation>Impossible d'obtenir les informations de mise à jour, veuillez vérifier l'état du réseau !</translation>
    </message>
    <message>
        <source>发现新版本：%1</source>
        <translation>Nouvelle version disponible : %1</translation>
    </message>
    <message>
        <source>当前已是最新版本</source>
        <translation>Vous utilisez la dernière version</translation>
    </message>
</context>
</TS>
